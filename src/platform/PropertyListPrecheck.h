#pragma once

#include <QByteArray>

// Checks a property list's bytes before libplist sees them: libplist recurses once per nesting
// level, expands every shared object of a binary list again, asserts on a dictionary key that
// holds a NUL, and slows down with the square of a dictionary's keys.
namespace tidewell::propertylist {

// Deepest nesting of arrays and dictionaries that is read.
inline constexpr int maximumNesting = 64;
// Most objects (values, keys, arrays and dictionaries) a list may expand to.
inline constexpr int maximumObjects = 100000;

// Whether data stays within the limits above and every dictionary key is a string without a
// NUL character. Binary lists are checked object by object, XML ones by their tags.
bool isSafeToParse(const QByteArray& data);

} // namespace tidewell::propertylist
