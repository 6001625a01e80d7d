#include "framework/base/packing.h"

#include <bit>
#include <climits>
#include <cstring>

namespace {
static_assert(std::endian::native == std::endian::little, "the packed bytes are little-endian");
} // namespace

void CPacker::Put(std::uint64_t value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    m_bytes.append(bytes, sizeof bytes);
}

void CPacker::Put(double value) {
    Put(std::bit_cast<std::uint64_t>(value));
}

void CPacker::Put(std::string_view text) {
    Put(static_cast<std::uint64_t>(text.size()));
    m_bytes.append(text);
}

bool CUnpacker::Take(void* out, std::size_t size) {
    if (!m_ok || m_bytes.size() < size)
        return m_ok = false;
    std::memcpy(out, m_bytes.data(), size);
    m_bytes.remove_prefix(size);
    return true;
}

bool CUnpacker::Get(std::uint64_t& value) {
    return Take(&value, sizeof value);
}

bool CUnpacker::Get(double& value) {
    std::uint64_t bits = 0;
    if (!Get(bits))
        return false;
    value = std::bit_cast<double>(bits);
    return true;
}

bool CUnpacker::Get(bool& value) {
    std::uint64_t v = 0;
    if (!Get(v) || v > 1)
        return m_ok = false;
    value = v == 1;
    return true;
}

bool CUnpacker::Get(int& value) {
    std::uint64_t v = 0;
    if (!Get(v))
        return false;
    const auto signedValue = static_cast<std::int64_t>(v);
    if (signedValue < INT_MIN || signedValue > INT_MAX)
        return m_ok = false;
    value = static_cast<int>(signedValue);
    return true;
}

bool CUnpacker::Get(std::string& text) {
    std::size_t size = 0;
    if (!GetCount(size, 1))
        return false;
    text.assign(m_bytes.substr(0, size));
    m_bytes.remove_prefix(size);
    return true;
}

bool CUnpacker::GetCount(std::size_t& count, std::size_t each) {
    std::uint64_t v = 0;
    if (!Get(v))
        return false;
    if (each == 0 || v > m_bytes.size() / each)
        return m_ok = false;
    count = static_cast<std::size_t>(v);
    return true;
}
