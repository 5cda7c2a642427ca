#pragma once

#include <QString>
#include <QStringView>

namespace tidewell {

// Whether a folder with this extension (already lower case, without the dot) is shown as one
// item: application bundles, plug-ins, frameworks and the like.
bool isPackageExtension(const QString& lowerCaseExtension);

// Whether a folder named name is a package, judged from its extension in any letter case.
// A name whose only dot is its first character has no extension.
bool isPackageName(QStringView name);

} // namespace tidewell
