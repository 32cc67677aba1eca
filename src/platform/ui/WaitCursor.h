#pragma once
// The wait cursor over every window of the program while the object lives.

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// Whether the wait cursor is shown now.
bool IsWaitCursorShown();
