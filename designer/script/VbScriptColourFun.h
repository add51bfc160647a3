// The VBScript line parser of the script editor: coloured blocks of one line from the state the
// previous line ended in, and the keyword and number rules.
#pragma once

#include "designer/script/CodeColour.h"

class CVbScriptColourFun
{
public:
    // The 41 keywords as the editor spells them, blank-separated with a blank at each end.
    static LPCSTR KeywordList();

    // Colours one line from dwState, the state at the end of the line before; returns the state at
    // the end of this line. Without pBlocks only the state is computed. With pBlocks, pszLine is the
    // drawn copy of the line: recognised keywords are re-spelled in it, never in the stored text.
    // pBlocks needs room for three blocks per byte of the line.
    static DWORD ColourLine(DWORD dwState, char* pszLine, int nLength, CodeTextBlock* pBlocks, int& nBlocks);

    // True for a keyword, whatever its case; the word is then given the list's spelling.
    static bool MatchKeyword(char* pchWord, int nLength);
    static bool MatchNumber(LPCSTR pchWord, int nLength);
};
