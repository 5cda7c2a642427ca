#pragma once

#include <QCoreApplication>

namespace tidewell {

// The translation context of the command line's texts: CliText::tr("...").
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

} // namespace tidewell
