#include "framework/base/archive.h"

#include "framework/base/file.h"

#include <algorithm>
#include <cstring>

namespace {
// Windows-1252 bytes 0x80..0x9F; the five undefined ones stand for themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromCp1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
}
} // namespace

CArchive::CArchive(CFile* file, Mode mode, std::size_t bufferSize)
    : m_file(file), m_mode(mode), m_buffer(std::max<std::size_t>(bufferSize, 16)) {}

CArchive::~CArchive() = default;

void CArchive::Write(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (count > 0) {
        if (m_end == m_buffer.size())
            Flush();
        const std::size_t n = std::min(count, m_buffer.size() - m_end);
        std::memcpy(m_buffer.data() + m_end, bytes, n);
        m_end += n;
        bytes += n;
        count -= n;
    }
}

void CArchive::Read(void* data, std::size_t count) {
    auto* bytes = static_cast<unsigned char*>(data);
    while (count > 0) {
        if (m_begin == m_end) {
            m_begin = 0;
            m_end = m_file->Read(m_buffer.data(), m_buffer.size());
            if (m_end == 0)
                throw CArchiveException(CArchiveException::endOfFile);
        }
        const std::size_t n = std::min(count, m_end - m_begin);
        std::memcpy(bytes, m_buffer.data() + m_begin, n);
        m_begin += n;
        bytes += n;
        count -= n;
    }
}

std::uint64_t CArchive::Available() {
    const std::uint64_t length = m_file->GetLength();
    const std::uint64_t position = m_file->GetPosition();
    return (m_end - m_begin) + (length > position ? length - position : 0);
}

void CArchive::Flush() {
    if (m_mode == store && m_end > 0) {
        m_file->Write(m_buffer.data(), m_end);
        m_end = 0;
    }
}

void CArchive::Close() {
    if (m_closed)
        return;
    m_closed = true;
    Flush();
}

template <class T> T CArchive::ReadValue() {
    unsigned char bytes[sizeof(T)];
    Read(bytes, sizeof bytes);
    T value = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        value = static_cast<T>((value << 8) | bytes[i]);
    return value;
}

std::uint64_t CArchive::ReadLength(bool& wide) {
    wide = false;
    const auto b = ReadValue<std::uint8_t>();
    if (b < 0xFF)
        return b;
    auto w = ReadValue<std::uint16_t>();
    if (w == 0xFFFE) {
        wide = true;
        const auto n = ReadValue<std::uint8_t>();
        if (n < 0xFF)
            return n;
        w = ReadValue<std::uint16_t>();
    }
    if (w < 0xFFFF)
        return w;
    const auto d = ReadValue<std::uint32_t>();
    if (d < 0xFFFFFFFFu)
        return d;
    const auto q = ReadValue<std::uint64_t>();
    if (q > 0x7FFFFFFFu)
        throw CArchiveException(CArchiveException::badFormat);
    return q;
}

CArchive& CArchive::operator>>(CString& text) {
    bool wide = false;
    const std::uint64_t length = ReadLength(wide);
    if (length > m_stringLimit)
        throw CArchiveException(CArchiveException::badFormat);
    const std::uint64_t bytes = wide ? length * 2 : length;
    // A length that claims more than the file still holds is a short file:
    // nothing of the claimed size is allocated.
    if (bytes > Available())
        throw CArchiveException(CArchiveException::endOfFile);
    std::vector<unsigned char> raw(static_cast<std::size_t>(bytes));
    Read(raw.data(), raw.size());
    CString result(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] =
            wide ? static_cast<char16_t>(raw[2 * i] | (raw[2 * i + 1] << 8)) : FromCp1252(raw[i]);
    text = std::move(result);
    return *this;
}

CArchive& CArchive::operator<<(const CString& text) {
    const std::uint64_t n = text.size();
    unsigned char head[18] = {0xFF, 0xFE, 0xFF};
    std::size_t size = 3;
    auto put = [&](std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            head[size++] = static_cast<unsigned char>(value >> (8 * i));
    };
    if (n < 0xFF) {
        put(n, 1);
    } else {
        put(0xFF, 1);
        if (n < 0xFFFE) {
            put(n, 2);
        } else {
            put(0xFFFF, 2);
            if (n < 0xFFFFFFFFu) {
                put(n, 4);
            } else {
                put(0xFFFFFFFFu, 4);
                put(n, 8);
            }
        }
    }
    Write(head, size);
    for (char16_t c : text) {
        const unsigned char pair[2] = {static_cast<unsigned char>(c & 0xFF),
                                       static_cast<unsigned char>(c >> 8)};
        Write(pair, 2);
    }
    return *this;
}
