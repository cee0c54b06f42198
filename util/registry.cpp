// Per-application settings in the current user's registry:
// HKEY_CURRENT_USER\Software\NEB Corporation\<application>\<section>.
// Strings are REG_SZ, integers REG_DWORD.
#include <cstring>
#include <string>
#include <vector>

#include "frame/nothrow.h"
#include "rezore32.h"

namespace {

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;  // 0x2001F
const char kSoftware[] = "Software";
const char kCompany[] = "NEB Corporation";

// Closes a registry key at the end of a scope.
class Key {
public:
    Key() = default;
    ~Key() { Close(); }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;
    HKEY *out() {
        Close();
        return &key_;
    }
    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    void Close() {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }

private:
    HKEY key_ = nullptr;
};

bool CreateBelow(HKEY parent, LPCSTR name, Key &key) {
    DWORD disposition = 0;
    return RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, kReadWrite, nullptr, key.out(),
                           &disposition) == ERROR_SUCCESS;
}

// Opens the section key for reading, level by level as writing creates it:
// a name is never read together with the separator after it (a name ending
// in a lone lead byte would take the '\\' as its second byte).
bool OpenSection(LPCSTR application, LPCSTR section, Key &key) {
    if (!application || !section)
        return false;
    Key company, app;
    const std::string companyPath = std::string(kSoftware) + "\\" + kCompany;
    return RegOpenKeyExA(HKEY_CURRENT_USER, companyPath.c_str(), 0, KEY_QUERY_VALUE, company.out()) == ERROR_SUCCESS &&
           RegOpenKeyExA(company.get(), application, 0, KEY_QUERY_VALUE, app.out()) == ERROR_SUCCESS &&
           RegOpenKeyExA(app.get(), section, 0, KEY_QUERY_VALUE, key.out()) == ERROR_SUCCESS;
}

// Opens Software (never creates it), then creates or opens the company and
// application keys below it.
bool OpenApplication(LPCSTR application, Key &app) {
    if (!application)
        return false;
    Key software, company;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSoftware, 0, kReadWrite, software.out()) != ERROR_SUCCESS)
        return false;
    if (!CreateBelow(software.get(), kCompany, company))
        return false;
    return CreateBelow(company.get(), application, app);
}

// Deletes a key with everything below it, so that a section goes away
// whole on every platform.
LONG DeleteTree(HKEY parent, LPCSTR name) {
    Key key;
    LONG status = RegOpenKeyExA(parent, name, 0, kReadWrite, key.out());
    if (status != ERROR_SUCCESS)
        return status;
    std::vector<char> child(256);
    for (;;) {
        DWORD length = static_cast<DWORD>(child.size());
        status = RegEnumKeyExA(key.get(), 0, child.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) {
            child.resize(child.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        if (DeleteTree(key.get(), child.data()) != ERROR_SUCCESS)
            break;
    }
    key.Close();
    return RegDeleteKeyA(parent, name);
}

// Reads a value whole, whatever its size; empty when it cannot be read.
std::vector<char> ReadValue(HKEY key, LPCSTR name, DWORD *type) {
    std::vector<char> data(512);
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE *>(data.data()), &size);
        if (status == ERROR_MORE_DATA && size > data.size()) {
            data.resize(size);
            continue;
        }
        if (status != ERROR_SUCCESS)
            return {};
        data.resize(size);
        return data;
    }
}

int ReadString(LPCSTR section, LPCSTR name, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR application) {
    std::vector<char> value;
    DWORD type = REG_NONE;
    Key key;
    if (OpenSection(application, section, key))
        value = ReadValue(key.get(), name, &type);
    key.Close();

    // A stored string counts up to its first zero, or its whole data when it
    // was stored without one.
    const size_t length = value.empty() ? 0 : strnlen(value.data(), value.size());
    if (value.empty() || value[0] == '\0') {
        const char *fallback = defaultText ? defaultText : "";
        const size_t fallbackLength = strlen(fallback);
        if (fallbackLength < size)
            memcpy(buffer, fallback, fallbackLength + 1);
        return 0;
    }
    if (type != REG_SZ || length >= size)
        return 0;  // unreadable or too long for the caller: empty, not the default
    memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int ReadInt(LPCSTR section, LPCSTR name, int defaultValue, LPCSTR application) {
    Key key;
    if (!OpenSection(application, section, key))
        return defaultValue;
    DWORD stored = 0, type = REG_NONE, size = sizeof(stored);
    LONG status = RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE *>(&stored), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(stored))
        return defaultValue;
    return static_cast<int>(stored);
}

BOOL WriteString(LPCSTR section, LPCSTR name, LPCSTR text, LPCSTR application) {
    Key app;
    if (!section || !OpenApplication(application, app))
        return FALSE;
    if (!name)  // an empty section name would name the application key itself
        return *section && DeleteTree(app.get(), section) == ERROR_SUCCESS;
    Key sectionKey;
    if (!CreateBelow(app.get(), section, sectionKey))
        return FALSE;
    app.Close();
    LONG status;
    if (!text)
        status = RegDeleteValueA(sectionKey.get(), name);
    else
        status = RegSetValueExA(sectionKey.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                                static_cast<DWORD>(strlen(text) + 1));
    return status == ERROR_SUCCESS;
}

}  // namespace

extern "C" {

int WINAPI GetNEBRegString(LPCSTR section, LPCSTR name, LPCSTR defaultText, LPSTR buffer, DWORD size,
                           LPCSTR application) {
    if (!buffer || size == 0)
        return 0;
    buffer[0] = '\0';
    return rz::NoThrow(0, [&] { return ReadString(section, name, defaultText, buffer, size, application); });
}

int WINAPI GetNEBRegInt(LPCSTR section, LPCSTR name, int defaultValue, LPCSTR application) {
    return rz::NoThrow(defaultValue, [&] { return ReadInt(section, name, defaultValue, application); });
}

BOOL WINAPI WriteNEBRegString(LPCSTR section, LPCSTR name, LPCSTR text, LPCSTR application) {
    return rz::NoThrow(FALSE, [&] { return WriteString(section, name, text, application); });
}

BOOL WINAPI WriteNEBRegInt(LPCSTR section, LPCSTR name, int value, LPCSTR application) {
    Key app;
    if (!section || !OpenApplication(application, app))
        return FALSE;
    Key sectionKey;
    if (!CreateBelow(app.get(), section, sectionKey))
        return FALSE;
    app.Close();
    const DWORD stored = static_cast<DWORD>(value);
    return RegSetValueExA(sectionKey.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&stored),
                          sizeof(stored)) == ERROR_SUCCESS;
}

}  // extern "C"
