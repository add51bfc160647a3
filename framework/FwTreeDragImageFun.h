// The images a tree drags: a label drawn into a bitmap, one-image lists made from a bitmap or an
// icon. Each makes a new object the caller owns and answers FALSE on failure.
#pragma once

#include <windows.h>

#include "platform/base/String.h"

class CBitmap;
class CFont;
class CImageList;

class FwTreeDragImageFun
{
public:
    // The text in the font and text colour on the background colour, 2 pixels of background
    // left and right; FALSE when the bitmap already holds one.
    static BOOL CreateLabelBitmap(const CString& strText, CFont* pFont, COLORREF crBack, COLORREF crText,
                                  CBitmap& bitmap);
    // One image the size of the bitmap; pixels of crMask are transparent.
    static BOOL CreateImageListFromBitmap(CBitmap* pBitmap, COLORREF crMask, CImageList& imageList);
    // One image the size of the icon.
    static BOOL CreateImageListFromIcon(HICON hIcon, CImageList& imageList);
};
