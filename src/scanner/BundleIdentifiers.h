#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace tidewell::bundleids {

// Rules on the reverse-DNS identifiers of app bundles as they name entries of a Library
// folder. Pure: no file is read.

// Whether identifier reads as a bundle identifier: dot-separated labels of letters, digits, "-"
// and "_", the first a top-level domain (any two letters, or com, org, net, edu, gov, app, dev,
// biz, xyz, pro, info), and either three or more labels or a second of three characters or
// more ("org.krita"). Names such as "kodi.old" or "install.log" are none.
bool isReverseDns(const QString& identifier);

// The identifier of the app a group or team-scoped identifier belongs to, without the "group."
// or team id prefix ("net.whatsapp.WhatsApp.shared" of group.net.whatsapp.WhatsApp.shared,
// "com.microsoft.teams" of UBF8T346G9.com.microsoft.teams); others unchanged.
QString withoutGroupPrefix(const QString& identifier);

// The bundle identifier an entry's name is: the name without ".plist", ".savedState" or
// ".binarycookies" and without a group or team prefix, when that is a bundle identifier; empty
// otherwise. Case is kept.
QString identifierInName(const QString& name);

// Whether identifier is owner or one of its components ("com.google.Chrome.helper" of
// com.google.Chrome); case is ignored.
bool belongsTo(const QString& identifier, const QString& owner);

// The element of identifier that names the app, in compact form: its last label ("teams" of
// com.microsoft.teams), or the one before when the last is a generic word or role
// ("viber" of com.viber.osx); empty when neither is three characters or more.
QString nameElementOf(const QString& identifier);

// Whether the label after identifier's vendor reads as the name of a product ("Word" of
// com.microsoft.Word), not as a version or a code ("3" of com.sublimetext.3): three letters in a
// row. True for an identifier without a vendor.
bool namesProductAfterVendor(const QString& identifier);

// For each of identifiers, in lower case, the shortest of them it belongs to: the app whose
// helpers, windows and extensions it names.
QHash<QString, QString> rootsOf(const QStringList& identifiers);

} // namespace tidewell::bundleids
