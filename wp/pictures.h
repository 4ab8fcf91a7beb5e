#pragma once
// Reading picture files for the document: the bytes to store and the natural size in points.
#include "wp/model.h"
#include <QImage>

namespace wp {

struct LoadedPicture {
    Media media;
    double widthPoints = 0;
    double heightPoints = 0;
};

// PNG, JPEG and GIF files are stored as they are; other raster formats become PNG; SVG drawings
// are rendered to PNG at about 200 dpi for at most maxWidthPoints. Error 53 when the file is
// missing, 481 when it is no picture.
LoadedPicture loadPictureFile(const QString& fileName, double maxWidthPoints);

// The image as PNG.
Media pictureFromImage(const QImage& image);

} // namespace wp
