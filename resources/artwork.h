#pragma once

#include <QIcon>
#include <QPixmap>

// Pictures drawn by the program itself, so they stay sharp at any display scale.

// The dart board, kPictureSize x kPictureSize logical pixels, rendered for the given
// device pixel ratio.
QPixmap board_picture(qreal device_pixel_ratio);

// The program's window icon (32 x 32 and 16 x 16 images).
QIcon program_icon();

// The icon shown in the two corners of the player-change window (32 x 32 and 16 x 16 images).
QIcon dart_icon();
