// Text being dragged out of a script view: the range it came from, kept on the same text while the
// drop edits the buffer (a drop into the same script lands before the range is taken out after a
// move), and whether the drop changed the buffer.
#pragma once

#include <windows.h>

#include "platform/base/Point.h"

class CCodeUpdateContext;

class CCodeTextDragOut
{
public:
    // The drag of the range [ptStart, ptEnd] begins.
    void Begin(CPoint ptStart, CPoint ptEnd);
    // The drag ended; TRUE when the buffer changed while it ran.
    BOOL End();
    // Forgets a drag without asking what it changed (the view's text was replaced).
    void Reset() { m_bActive = FALSE; }
    BOOL IsActive() const { return m_bActive; }

    void GetRange(CPoint& ptStart, CPoint& ptEnd) const;
    // pt lies in the range being dragged, its ends included: a drop there would put the text
    // back into itself. FALSE while no drag runs.
    BOOL Contains(CPoint pt) const;
    // A change of the buffer while the drag runs: the range follows its text.
    void FollowChange(const CCodeUpdateContext& context);

private:
    BOOL m_bActive = FALSE;
    CPoint m_ptStart;
    CPoint m_ptEnd;
    int m_nEdits = 0;
};
