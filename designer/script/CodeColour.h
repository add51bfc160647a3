// What a line parser gives the text view: coloured blocks of one line, the parse state carried from
// line to line, and the colour classes.
#pragma once

#include <windows.h>

// Parse state flags, carried from the end of one line to the next.
#define PS_LINECOMMENT 0x01
#define PS_DIRECTIVE 0x02
#define PS_BLOCKCOMMENT 0x04
#define PS_STRING 0x08
#define PS_CHAR 0x10

// Colour classes (CCodeTextView::ClassColour).
enum CodeColourClass : int {
    COLOUR_WHITESPACE = 0,
    COLOUR_BKGND = 1,
    COLOUR_NORMALTEXT = 2,
    COLOUR_SELMARGIN = 3,
    COLOUR_SELBKGND = 4,
    COLOUR_SELTEXT = 5,
    COLOUR_KEYWORD = 6,
    COLOUR_COMMENT = 7,
    COLOUR_NUMBER = 8,
    COLOUR_OPERATOR = 9,
    COLOUR_STRING = 10,
    COLOUR_PREPROCESSOR = 11,
};

// A block runs from its character (byte index) to the next block's, or to the line's end.
struct CodeTextBlock
{
    int nCharPos;
    int nColourClass;
};
