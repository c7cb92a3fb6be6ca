#pragma once

#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QWidget>

namespace quorvane::test {

// Records the index-error messages a grid's model reports instead of showing them.
template <typename Model>
std::vector<std::string>& RecordIndexErrors(Model& model, std::vector<std::string>& sink)
{
    model.OnIndexError = [&sink](const std::string& message) { sink.push_back(message); };
    return sink;
}

// Whether any pixel of the image has exactly this colour.
inline bool HasPixel(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

} // namespace quorvane::test
