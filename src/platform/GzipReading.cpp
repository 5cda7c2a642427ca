#include "GzipReading.h"

#include <zlib.h>

namespace tidewell {

namespace {

constexpr int gzipWindowBits = 16 + MAX_WBITS;
constexpr qsizetype chunkSize = 64 * 1024;

// One zlib stream that frees itself, whatever path the reading takes.
class Inflater {
public:
    Inflater() { m_ready = inflateInit2(&m_stream, gzipWindowBits) == Z_OK; }
    ~Inflater() {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool ready() const { return m_ready; }
    z_stream& stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ready = false;
};

} // namespace

std::optional<QByteArray> gunzip(const QByteArray& compressed, qint64 maximumSize) {
    Inflater inflater;
    if (!inflater.ready() || compressed.isEmpty())
        return std::nullopt;
    z_stream& stream = inflater.stream();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    QByteArray output;
    char chunk[chunkSize];
    int status = Z_OK;
    while (status != Z_STREAM_END || stream.avail_in > 0) {
        // A second member follows the first: logrotate's files have one, `cat a.gz b.gz`
        // makes more.
        if (status == Z_STREAM_END && inflateReset(&stream) != Z_OK)
            return std::nullopt;
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = uInt(chunkSize);
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            return std::nullopt;
        const qsizetype produced = chunkSize - qsizetype(stream.avail_out);
        if (output.size() + produced > maximumSize)
            return std::nullopt;
        output.append(chunk, produced);
        // No progress and no more input: the data ends in the middle of a member.
        if (status == Z_OK && produced == 0 && stream.avail_in == 0)
            return std::nullopt;
    }
    return output;
}

} // namespace tidewell
