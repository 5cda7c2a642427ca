#pragma once

#include "platform/Host.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The variables of a process whose environment holds exactly values, for Host::resolve.
inline tidewell::Host::Variables hostVariables(const QHash<QByteArray, QString>& values) {
    return [values](const char* name) { return values.value(name); };
}
