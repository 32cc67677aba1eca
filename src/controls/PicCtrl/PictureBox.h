#pragma once
// One picture, in any format the desktop's image readers know, drawn on a DC by the window
// that owns the box (from its paint). Sizes are pixels at 96 dots per inch after a load and
// pixels of the device after UpdatePixelSize.

#include "platform/ui/DC.h"
#include "platform/ui/Picture.h"

#include <memory>

class CPictureBox {
public:
    CPictureBox() = default;
    virtual ~CPictureBox() = default;
    CPictureBox(const CPictureBox&) = delete;
    CPictureBox& operator=(const CPictureBox&) = delete;

    // A resource of the program of that id and type ("JPG", "PNG"...).
    BOOL LoadFromResource(UINT resourceId, LPCTSTR resourceType);
    BOOL LoadFromFile(const CString& path);
    BOOL LoadPictureData(const BYTE* data, int size);
    // The whole picture stretched into the rectangle.
    BOOL Show(CDC* dc, CRect rect);
    // At leftTop, extraSize plus magnify times the picture's size in the device's pixels.
    BOOL ShowScaled(CDC* dc, CPoint leftTop, CPoint extraSize, int magnifyX, int magnifyY);
    void UpdatePixelSize(CDC* dc);
    // The name the welcome dialog knows it by.
    void UpdateSizeOnDC(CDC* dc) { UpdatePixelSize(dc); }
    // Writes exactly the bytes the picture was read from.
    BOOL SaveToFile(const CString& path);
    BOOL DrawBitmapResource(CDC* dc, UINT bitmapId, int x, int y);
    void FreePicture();

    bool HasPicture() const { return m_pPicture != nullptr; }

    LONG m_height = 0;
    LONG m_dataSize = 0;
    LONG m_width = 0;

private:
    // Every load ends here: the byte count, then the sizes at 96 dots per inch.
    BOOL FinishLoad(BOOL loaded, LONG byteCount);
    // Drawing runs from paint handlers: a failure is traced once, never a box on every repaint.
    BOOL Render(CDC* dc, int x, int y, int cx, int cy);
    void ShowFileError(const CString& path);

    std::unique_ptr<Picture> m_pPicture;
    bool m_renderFailureTraced = false;
};
