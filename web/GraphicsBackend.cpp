#include "web/GraphicsBackend.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

namespace GraphicsBackend {

bool IsSoftwareRasteriser(const QByteArray& renderer)
{
    const QByteArray name = renderer.toLower();
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software rasterizer", "swiftshader"}) {
        if (name.contains(software))
            return true;
    }
    return false;
}

void ChooseForWebViews()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        return;
    // The application made this context already: asking it costs well under a millisecond.
    QOpenGLContext* shared = QOpenGLContext::globalShareContext();
    QOffscreenSurface surface;
    surface.create();
    if (!shared || !shared->makeCurrent(&surface))
        return;
    const auto* renderer = reinterpret_cast<const char*>(shared->functions()->glGetString(GL_RENDERER));
    const bool software = renderer && IsSoftwareRasteriser(QByteArray(renderer));
    shared->doneCurrent();
    if (software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace GraphicsBackend
