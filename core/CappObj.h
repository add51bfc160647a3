// The card file: packs a card's private work directory into one compound file (string streams
// and one stream per file) and unpacks such a file into a fresh work directory. Embeds the card.
#pragma once

#include "core/CardCodeItem.h"
#include "core/CardObj.h"
#include "core/VornCardExport.h"
#include "platform/base/Object.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"

class VORNCARD_API CCappObj : public CObject
{
public:
    // Bits of DeCompound's nParts.
    enum {
        partStrings = 0x1,
        partFiles = 0x2,
    };

    CCappObj();
    ~CCappObj() override;
    CCappObj(const CCappObj&) = delete;
    CCappObj& operator=(const CCappObj&) = delete;

    // Unpacks strPath into a new work directory under strBaseDir. 0 when no work directory could
    // be made or an existing file cannot be read; the path is then not adopted. A path that does
    // not exist yet is adopted with nothing read (a card to be saved there).
    int DeCompound(const CString& strBaseDir, const CString& strPath, int nParts);
    // 0 while the card has no file of its own or when packing failed.
    int SaveData();
    int SaveDataAs(const CString& strPath, int bHaveCardDef, int bKeep);
    // Writes a new compound file beside strPath and replaces strPath only when every stream was
    // written, committed and found again at its size in a file that passes the card file check;
    // 0 otherwise, and the old file stays as it was.
    int CreateStgFile(const CString& strPath);
    int CopyCardData(const CString& strPath);
    int CreateWorkDir(const CString& strBaseDir, const CString& strPath);
    // Deletes the work directory (never a root or an empty path) unless kept, and the card file
    // when asked to.
    void DetachData();
    void DelFileOnExit(int bDel) { m_bDelFileOnExit = bDel; }
    void Resert();
    int GetState() const;

    CString GetCpoWorkDir() const;
    CString GetCardDefFileName(const CString& strName) const;
    static CString CreateCpoFileNameByID(const CString& strDir, int nID);
    CString CreateMainCardCodeByFileName() const;
    int GetDefSRPFileName(CString& strCpv, CString& strRpd) const;
    int GetNewCodeID() { return m_nNewCodeID++; }
    CString GetNewItemCode();
    // Copies strSrc into the work directory under a new item code; the copy's path is allowed
    // into later packs of this session.
    int ImputSubFile(const CString& strSrc, CString& strStoredName, CString& strFullPath);
    void AddOtherFile(const CString& strName);
    void GetAllCardDefName(CStringArray& arrNames) const;
    CString GetMastCardName() const;
    static CString GetMastCardCode() { return "MAST"; }
    // The sub-files named here may lie outside the work directory: they come from this session.
    void RegsetCard(int nNumber, const CStringArray& arrCardDefs, const CStringArray& arrSubFiles,
                    const CStringArray& arrSubData);
    CString CardCodeInfoToString();
    void StringToCardCodeInfo(const CString& strText);

    static int GetCardCodeHeadID(const CString& strCode);
    static int GetNewCode(const CString& strCode, CString& strOut, const CStringArray& arrCodes,
                          const CStringArray& arrValues);
    static void GetSubFileInfo(const CString& strText, CString& strFirst, CStringArray& arrRest);
    static void LoadStringToArray(const CString& strText, CStringArray& arr);
    static void LoadStringToArray(const CString& strText, CUIntArray& arr);
    static CString ReadArrayToString(const CStringArray& arr);
    static CString ReadArrayToString(const CUIntArray& arr);
    static int StringRead(CString& strSrc, CString& strPiece, int nCount);
    static int GetElementItem(CString& strSrc, CString& strItem, const CString& strDelimiter);
    // The part after the last "\"; NoExt cuts that before its first "." unless the "." leads.
    static CString GetFileName(const CString& strPath);
    static CString GetFileName_NoExt(const CString& strPath);
    static BOOL ExistDir(const CString& strPattern);
    BOOL FindDir(const CString& strPattern) const;
    // Refuses an empty path and a root; does not follow junctions out of the tree.
    static BOOL DeleteDirectory(const CString& strDir);
    static int GetCardSize(const CString&, int&, int&) { return 0; }
    void DetachList(const CString&) {}

    int m_nState;
    int m_bKeepWorkDir;
    int m_bNewFile;
    CString m_strBaseDir;
    CString m_strWorkName;
    CString m_strFileName;
    CStringArray m_arrExtracted;
    int m_bDelFileOnExit;
    CCardObj m_CardObj;
    CString m_strVersion;
    CString m_strCompany;
    CString m_strCreater;
    int m_nNewCodeID;
    int m_bHaveCardDef;
    CStringArray m_arrOtherFile;
    CCardCodeItem m_CardCode;
    CString m_strMastCard;

private:
    // Reads the streams of strPath; FALSE when the file exists but cannot be read whole (what
    // was unpacked of it is removed again).
    BOOL ReadAllData(const CString& strPath, int nParts);
    // TRUE when strPath lies inside the work directory or was handed in during this session.
    BOOL IsPackable(const CString& strPath) const;

    CStringArray m_arrSessionFiles; // full paths handed in by RegsetCard and ImputSubFile
};
