#pragma once
// Plain data packed into bytes and read back, for what crosses between two
// processes of the program: numbers as they are held (little-endian), texts
// with their length before them. Reading never trusts what it reads: a
// count beyond the bytes left, or bytes left over, makes it fail.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CPacker {
  public:
    void Put(std::uint64_t value);
    void Put(double value);
    void Put(bool value) { Put(static_cast<std::uint64_t>(value)); }
    void Put(int value) { Put(static_cast<std::uint64_t>(static_cast<std::int64_t>(value))); }
    void Put(std::string_view text);
    void Put(const char* text) { Put(std::string_view(text)); }
    // Whether a value follows, then the value itself when it does.
    template <class T> void Put(const std::optional<T>& value) {
        Put(value.has_value());
        if (value)
            Put(*value);
    }

    const std::string& Bytes() const { return m_bytes; }

  private:
    std::string m_bytes;
};

class CUnpacker {
  public:
    explicit CUnpacker(std::string_view bytes) : m_bytes(bytes) {}

    bool Get(std::uint64_t& value);
    bool Get(double& value);
    bool Get(bool& value);
    bool Get(int& value); // within int's range, or it fails
    bool Get(std::string& text);
    template <class T> bool Get(std::optional<T>& value) {
        bool present = false;
        if (!Get(present))
            return false;
        value.reset();
        return !present || Get(value.emplace());
    }
    // A count of what follows, each at least `each` bytes: never more than
    // the bytes left can hold.
    bool GetCount(std::size_t& count, std::size_t each);

    // Whether every byte was read, and read as what it was written as.
    bool Done() const { return m_ok && m_bytes.empty(); }

  private:
    bool Take(void* out, std::size_t size);

    std::string_view m_bytes;
    bool m_ok = true;
};
