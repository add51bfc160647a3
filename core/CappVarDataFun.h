// Helpers the head/foot data, page data and detail data share: look-ups of definitions, names
// and values by position, value storing by a definition, deep copies, and the alignment of
// names and values with the definitions. Used inside VornCard only.
#pragma once

#include <initializer_list>

#include "platform/base/ObList.h"
#include "platform/base/PtrArray.h"
#include "platform/base/StringArray.h"

class CCappCardData;
class CCappCardVarItem;
class CCellFieldDataItem;

class CCappVarDataFun
{
public:
    CCappVarDataFun() = delete;

    // Position of the definition with that exact name; -1 and null when none.
    static int FindCardVar(const CObList& listCardVar, const CString& strName, CCappCardVarItem*& pItem);
    // Null out of range.
    static CCappCardVarItem* GetCardVar(const CObList& listCardVar, INT_PTR nIndex);
    // -1 when absent.
    static int FindName(const CStringArray& arrName, const CString& strName);
    // Empty text out of range.
    static CString GetName(const CStringArray& arrName, INT_PTR nIndex);
    // Null out of range.
    static CCellFieldDataItem* GetValue(const CObList& listValue, INT_PTR nIndex);

    // Empty text for a name without a definition.
    static CString TransitionData(const CObList& listCardVar, const CString& strName, const CString& strValue);

    // Stores a value the way the definition says: normalised and written back into strValue.
    // A file variable takes the file strValue names into the card file of pOwner's card: the
    // item then holds the sub-file's name and the copy's path. A file that cannot be read, or
    // a card without a card file, stores nothing and gives FALSE. Without a definition the
    // value is stored as given.
    static BOOL StoreValue(const CCappCardVarItem* pCardVar, CCellFieldDataItem& item, CString& strValue,
                           CCappCardData* pOwner);

    // Appends one empty value per definition.
    static void AddEmptyValues(const CObList& listCardVar, CObList& listValue);
    // TRUE when every value is empty once trailing blanks are trimmed.
    static BOOL IsEmptyValues(const CObList& listValue);

    // Takes the row at pos (a CCappMidRow or CCappPgRow, nState its state) out of listRow: a new
    // row is destroyed, any other is marked deleted and kept in listDeleted.
    static void DeleteRow(CObList& listRow, POSITION pos, int& nState, CObList& listDeleted);

    struct NamedList
    {
        LPCSTR pszName;
        CObList* pList;
    };
    // Frees the objects of the list of that member name; an empty name frees every list when
    // bEmptyMeansAll, else nothing; other names do nothing.
    static void DetachList(const CString& strName, std::initializer_list<NamedList> lists, BOOL bEmptyMeansAll);

    // Appends a copy of every object of listSrc, all of class T.
    template <class T> static void CopyList(const CObList& listSrc, CObList& listDst)
    {
        POSITION pos = listSrc.GetHeadPosition();
        while (pos != nullptr) {
            listDst.AddTail(new T(*static_cast<const T*>(listSrc.GetNext(pos))));
        }
    }

    // Makes position k of the names and of every value list (CObList*) hold the k-th
    // definition's variable: found names move to their place with their values, missing ones
    // get an empty value, surplus names and values go.
    static void AlignWithCardVars(const CObList& listCardVar, CStringArray& arrName, const CPtrArray& arrValueList);
};
