#pragma once

#include <QByteArray>

// Qt Quick composes what the web views draw. Where OpenGL is only a software
// rasteriser (no GPU: a virtual machine, a remote desktop, a virtual display), that
// path costs more than Qt Quick's own software renderer while the web engine draws in
// software either way; there the programs take the software renderer.
namespace GraphicsBackend {

// Whether an OpenGL renderer name ("llvmpipe (LLVM 15.0.6, 256 bits)") is a software
// rasteriser.
bool IsSoftwareRasteriser(const QByteArray& renderer);

// Asks the shared OpenGL context which renderer draws and takes Qt Quick's software
// renderer when it is a software rasteriser. Call once, after the application object
// (made with Qt::AA_ShareOpenGLContexts) and before the first web view. A renderer
// chosen in QT_QUICK_BACKEND is left alone.
void ChooseForWebViews();

} // namespace GraphicsBackend
