#include "SpotlightQueryService.h"

#include "SpotlightQueryText.h"

#include <CoreServices/CoreServices.h>

#include <optional>

namespace tidewell {

namespace {

// Owns one Core Foundation reference.
template <typename Ref> class CFHolder {
public:
    explicit CFHolder(Ref ref) : m_ref(ref) {}
    ~CFHolder() {
        if (m_ref)
            CFRelease(m_ref);
    }
    CFHolder(const CFHolder&) = delete;
    CFHolder& operator=(const CFHolder&) = delete;
    Ref get() const { return m_ref; }

private:
    Ref m_ref;
};

// A new array of the scope folders' paths, in order; the caller releases it.
CFMutableArrayRef createScopePaths(const QList<QUrl>& scope) {
    CFMutableArrayRef paths =
        CFArrayCreateMutable(kCFAllocatorDefault, scope.size(), &kCFTypeArrayCallBacks);
    for (const QUrl& url : scope) {
        const CFHolder<CFStringRef> path(url.toLocalFile().toCFString());
        CFArrayAppendValue(paths, path.get());
    }
    return paths;
}

std::optional<QString> itemPath(MDItemRef item) {
    const CFHolder<CFTypeRef> value(MDItemCopyAttribute(item, kMDItemPath));
    if (!value.get() || CFGetTypeID(value.get()) != CFStringGetTypeID())
        return std::nullopt;
    return QString::fromCFString(static_cast<CFStringRef>(value.get()));
}

} // namespace

// The synchronous query cannot be interrupted; a cancelled scan drops its answer.
QList<QUrl> SpotlightQueryService::search(const AppDescriptor& app, const QList<QUrl>& scope,
                                          const CancellationToken& cancel) const {
    if (scope.isEmpty() || cancel.isCancelled())
        return {};
    const QString text = SpotlightQueryText::queryText(app);
    if (text.isEmpty())
        return {};

    const CFHolder<CFStringRef> queryString(text.toCFString());
    const CFHolder<MDQueryRef> query(
        MDQueryCreate(kCFAllocatorDefault, queryString.get(), nullptr, nullptr));
    if (!query.get())
        return {};
    const CFHolder<CFMutableArrayRef> paths(createScopePaths(scope));
    MDQuerySetSearchScope(query.get(), paths.get(), 0);
    if (!MDQueryExecute(query.get(), kMDQuerySynchronous))
        return {};

    QList<QUrl> results;
    const CFIndex count = MDQueryGetResultCount(query.get());
    for (CFIndex index = 0; index < count; ++index) {
        const auto item =
            static_cast<MDItemRef>(const_cast<void*>(MDQueryGetResultAtIndex(query.get(), index)));
        if (!item)
            continue;
        if (const std::optional<QString> path = itemPath(item))
            results.append(QUrl::fromLocalFile(*path));
    }
    MDQueryStop(query.get());
    return results;
}

} // namespace tidewell
