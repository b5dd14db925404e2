#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// A registry key with all its values and subkeys, read into memory so it
// can be put back exactly as it was.
class CKeySnapshot {
public:
    // Null when the key does not exist or cannot be read.
    static std::unique_ptr<CKeySnapshot> Take(HKEY root, const std::wstring& path);
    // Replaces whatever is at the key now with the snapshot.
    HRESULT Restore(HKEY root, const std::wstring& path) const;

private:
    struct CValue {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    bool Read(HKEY key);
    HRESULT Write(HKEY key) const;

    std::vector<CValue> m_values;
    std::vector<std::pair<std::wstring, CKeySnapshot>> m_subkeys;
};

// Runs a registration step that may rewrite the key at path, and puts a key
// that was there before back as it was; a key the step made stays the
// step's.
template <class Step>
HRESULT PreservingKey(HKEY root, const std::wstring& path, Step step)
{
    const std::unique_ptr<CKeySnapshot> before = CKeySnapshot::Take(root, path);
    const HRESULT result = step();
    if (before) {
        const HRESULT restored = before->Restore(root, path);
        if (SUCCEEDED(result) && FAILED(restored))
            return restored;
    }
    return result;
}
