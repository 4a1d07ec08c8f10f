// The three status texts beside the view stage's surface: magnification,
// displayed range and image size. A text is handed out only when it changed.
#pragma once

#include <QString>
#include <optional>

class CStageStatusFields {
public:
    struct Texts {
        std::optional<QString> magnification, range, size;  // set = changed
    };
    Texts Update(int surfaceWidth, int visibleWidth, int visibleHeight, int imageWidth, int imageHeight);
    // The fields were emptied: the next Update writes all three.
    void Forget();

private:
    bool m_known = false;
    float m_magnification = 0.0f;
    int m_visibleWidth = 0;
    int m_visibleHeight = 0;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
};

// "%02.2f" of the magnification, "%d×%d" of a size.
QString MagnificationText(float m);
QString SizeText(int width, int height);
