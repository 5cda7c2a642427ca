#include "ScannedFile.h"

#include <algorithm>

namespace tidewell {

size_t qHash(const ScannedFile& file, size_t seed) {
    return qHashMulti(seed, file.id, file.url, rawValue(file.category), rawValue(file.safety),
                      file.sizeInBytes, file.isSelected, file.sizeComplete,
                      rawValue(file.evidence.code), file.evidence.subject);
}

QList<ScannedFile> filesWithSelection(const QList<ScannedFile>& files, bool selected) {
    QList<ScannedFile> chosen;
    std::copy_if(files.cbegin(), files.cend(), std::back_inserter(chosen),
                 [selected](const ScannedFile& file) { return file.isSelected == selected; });
    return chosen;
}

qsizetype notSizedWholeCount(const QList<ScannedFile>& files) {
    return std::count_if(files.cbegin(), files.cend(),
                         [](const ScannedFile& file) { return !file.sizeComplete; });
}

} // namespace tidewell
