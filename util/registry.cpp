// Per-application settings in the current user's registry:
// HKEY_CURRENT_USER\Software\NEB Corporation\<application>\<section>.
// Strings are REG_SZ, integers REG_DWORD.
#include <cstring>

#include "rezore32.h"
#include "util/text.h"

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
    Key software, company, app;
    return RegOpenKeyExA(HKEY_CURRENT_USER, kSoftware, 0, KEY_QUERY_VALUE, software.out()) == ERROR_SUCCESS &&
           RegOpenKeyExA(software.get(), kCompany, 0, KEY_QUERY_VALUE, company.out()) == ERROR_SUCCESS &&
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
    rz::Text child;
    if (!child.Resize(256))
        return ERROR_NOT_ENOUGH_MEMORY;
    for (;;) {
        DWORD length = static_cast<DWORD>(child.size());
        status = RegEnumKeyExA(key.get(), 0, child.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) {
            if (!child.Resize(child.size() * 2))
                return ERROR_NOT_ENOUGH_MEMORY;
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        status = DeleteTree(key.get(), child.data());
        if (status == ERROR_NOT_ENOUGH_MEMORY)
            return status;  // leave the rest as it is
        if (status != ERROR_SUCCESS)
            break;
    }
    key.Close();
    return RegDeleteKeyA(parent, name);
}

// Reads a value whole, whatever its size, into `data`: empty when it cannot
// be read.  False only when memory runs out.
bool ReadValue(HKEY key, LPCSTR name, DWORD *type, rz::Text &data) {
    if (!data.Resize(512))
        return false;
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE *>(data.data()), &size);
        if (status == ERROR_MORE_DATA && size > data.size()) {
            if (!data.Resize(size))
                return false;
            continue;
        }
        return data.Resize(status == ERROR_SUCCESS ? size : 0);
    }
}

int ReadString(LPCSTR section, LPCSTR name, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR application) {
    rz::Text value;
    DWORD type = REG_NONE;
    Key key;
    if (OpenSection(application, section, key) && !ReadValue(key.get(), name, &type, value))
        return 0;  // a failure, not the default
    key.Close();

    // A stored string counts up to its first zero, or its whole data when it
    // was stored without one.
    const size_t length = strnlen(value.c_str(), value.size());
    if (value.empty() || value.c_str()[0] == '\0') {
        const char *fallback = defaultText ? defaultText : "";
        const size_t fallbackLength = strlen(fallback);
        if (fallbackLength < size)
            memcpy(buffer, fallback, fallbackLength + 1);
        return 0;
    }
    if (type != REG_SZ || length >= size)
        return 0;  // unreadable or too long for the caller: empty, not the default
    memcpy(buffer, value.c_str(), length);
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
    return ReadString(section, name, defaultText, buffer, size, application);
}

int WINAPI GetNEBRegInt(LPCSTR section, LPCSTR name, int defaultValue, LPCSTR application) {
    return ReadInt(section, name, defaultValue, application);
}

BOOL WINAPI WriteNEBRegString(LPCSTR section, LPCSTR name, LPCSTR text, LPCSTR application) {
    return WriteString(section, name, text, application);
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
