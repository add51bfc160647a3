#include "designer/figure/SyntaxRichEdit.h"

FX_IMPLEMENT_DYNAMIC(CSyntaxRichEdit, CKvColourEdit)

CSyntaxRichEdit::CSyntaxRichEdit()
{
    // Figure commands: "RGB(" and "(" are words, "Arc[C]" one word; numbers are signed reals.
    m_bSignedReals = TRUE;
    m_strWordStart = "()";
    m_strWordChars = "[]";
}

void CSyntaxRichEdit::Initialize()
{
    InitializeControl("Courier New");
    m_styleComment = {RGB(0, 128, 0), FALSE, FALSE};
    m_styleNumber = {RGB(255, 0, 255), FALSE, FALSE};
    m_styleString = {RGB(255, 0, 255), FALSE, FALSE};
    m_styleWords[0] = {RGB(0, 0, 255), FALSE, FALSE};
    m_styleWords[1] = {RGB(0, 0, 0), TRUE, FALSE};
    m_strDelimiters = "\"";
}

void CSyntaxRichEdit::SetCommentChars(char chFirst, char chSecond)
{
    m_chComment1 = chFirst;
    m_chComment2 = chSecond;
}
