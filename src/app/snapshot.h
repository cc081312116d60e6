// Snapshot Response...: the response window's content as a PNG file.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "app/print_shell.h"

namespace larkspan {

class ResponseView;

// The drawing as it is on screen, child controls included, at the screen's
// device pixel ratio. In a window the user has resized or maximized that is
// the drawing at the window's scale, without the bands beside it: what the
// user sees is what is saved. At the view's own size it is the whole content.
QImage snapshotPicture(ResponseView& content);

// Writes the picture as PNG into a temporary file beside `path` and renames
// it into place, so a failed write leaves no partial file. The reason on
// failure.
std::optional<QString> writePngFile(const QImage& picture, const QString& path);

// The shutter sound, the picture, the file-save sheet with the proposed
// "Larkspan_N_View.png", and the write. Cancel gives the number back.
void SnapShot(PrintShell& shell);

}  // namespace larkspan
