#pragma once

#include "Host.h"
#include "ProgramRunner.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell::debian {

// The arguments that point dpkg-query at the database under the host's root; none for the real
// root.
QStringList adminDirArguments(const Host& host);

// Where dpkg has a package, by the status letter of its record.
enum class PackageState {
    installed,   // unpacked or configured, also half-way through either
    configFiles, // removed, its configuration files kept ("rc")
    notInstalled,
};

// The packages of dpkg's records, by name; malformedLines counts the lines that named none.
struct PackageStates {
    QHash<QString, PackageState> packages;
    int malformedLines = 0;
};

// Reads the answer of dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n': one line per
// package, its three status letters (wanted, state, error) then its name ("rc  mousepad").
PackageStates parsePackageStates(const QByteArray& answer);

// What dpkg knows of the host's packages, asked of dpkg-query through programs (about the
// database under the host's root). Nothing when the host has no dpkg database.
struct DpkgRecords {
    std::optional<PackageStates> states; // nothing when the database could not be read
    QStringList problems;                // what could not be read, one sentence each
};
DpkgRecords readPackageStates(const Host& host, const ProgramRunner& programs);

// The bytes package takes once installed, by its record's Installed-Size (in KiB), asked of
// dpkg-query through programs about the database under the host's root; nothing when dpkg does
// not know the package or its size.
std::optional<qint64> installedSize(const Host& host, const QString& package,
                                    const ProgramRunner& programs);

// The paths dpkg's file list still holds for package (its conffiles and folders once it is
// removed), from the database under the host's root; empty when there is none.
QStringList listedFiles(const Host& host, const QString& package);

// The paths a package's archive in apt's cache installs ("/usr/bin/mousepad"), listed by
// dpkg-deb through programs; empty when the cache holds no archive of it.
QStringList archiveFiles(const Host& host, const QString& package, const ProgramRunner& programs);

} // namespace tidewell::debian
