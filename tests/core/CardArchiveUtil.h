// Helpers of the card model tests: archive round trips in memory and hand-made byte vectors.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/Archive.h"
#include "platform/base/MemFile.h"
#include "platform/base/Object.h"

using Bytes = std::vector<BYTE>;

inline Bytes StoreObject(CObject& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    const auto nLength = static_cast<size_t>(file.GetLength());
    BYTE* pData = file.Detach();
    Bytes bytes(pData, pData + nLength);
    std::free(pData);
    return bytes;
}

// Throws what the object's Serialize throws.
inline void LoadObject(CObject& object, const Bytes& bytes)
{
    Bytes copy = bytes;
    CMemFile file(copy.empty() ? nullptr : copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    object.Serialize(ar);
    ar.Close();
}

// Builds archive bytes field by field, in the framework's encoding.
class ByteWriter
{
public:
    ByteWriter& Int(int n)
    {
        for (int i = 0; i < 4; ++i) {
            m_bytes.push_back(static_cast<BYTE>(static_cast<unsigned>(n) >> (8 * i)));
        }
        return *this;
    }
    ByteWriter& Word(WORD w)
    {
        m_bytes.push_back(static_cast<BYTE>(w));
        m_bytes.push_back(static_cast<BYTE>(w >> 8));
        return *this;
    }
    ByteWriter& Byte(BYTE b)
    {
        m_bytes.push_back(b);
        return *this;
    }
    // Short strings only: a length byte, then the bytes.
    ByteWriter& Str(const std::string& s)
    {
        m_bytes.push_back(static_cast<BYTE>(s.size()));
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        return *this;
    }
    ByteWriter& Count(WORD n) { return Word(n); }
    // First object of a class: new-class tag, schema, the name.
    ByteWriter& NewClass(const std::string& strName, WORD wSchema = 0)
    {
        Word(0xFFFF).Word(wSchema).Word(static_cast<WORD>(strName.size()));
        m_bytes.insert(m_bytes.end(), strName.begin(), strName.end());
        return *this;
    }
    ByteWriter& ClassRef(WORD nIndex) { return Word(static_cast<WORD>(0x8000 | nIndex)); }
    ByteWriter& Append(const Bytes& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const Bytes& Get() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// Number of places where the text occurs in the bytes.
inline int CountOccurrences(const Bytes& bytes, const std::string& strText)
{
    int nCount = 0;
    for (size_t i = 0; i + strText.size() <= bytes.size(); ++i) {
        if (std::equal(strText.begin(), strText.end(), bytes.begin() + static_cast<long>(i))) {
            ++nCount;
        }
    }
    return nCount;
}
