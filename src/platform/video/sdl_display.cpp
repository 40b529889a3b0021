// SDL2 + OpenGL display.
#include "platform/video/sdl_display.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>

#include "gfx/frame_recorder.h"
#include "gfx/scene_viewport.h"
#include "platform/video/gl_renderer.h"
#include "platform/video/window_geometry.h"

namespace vellara {

struct SdlDisplay::State {
  SdlDisplayOptions options;
  bool videoStarted = false;
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  GLuint fbo = 0, colour = 0;
  int width = 0, height = 0;
  int scale = 1;
  bool windowed = true;
  bool manualFullScreen = false;
  std::unique_ptr<GlRenderer> renderer;
  // What the canvas draws into: frames that repeat the last one are not drawn again.
  std::unique_ptr<FrameRecorder> recorder;
  bool unpresented = false;  // the back buffer holds a frame the window has not shown
  bool repaint = false;      // the window needs the back buffer shown again
  std::string error;

  bool ClearBackBuffer(std::uint32_t argb);
  // Draws what the canvas recorded, unless it repeats what the back buffer holds.
  void CommitFrame() {
    if (!recorder || !recorder->Pending()) return;
    SDL_GL_MakeCurrent(window, context);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    renderer->Invalidate();
    if (recorder->Commit()) unpresented = true;
  }
  void MakeRenderer(int sceneWidth, int sceneHeight) {
    renderer = std::make_unique<GlRenderer>(sceneWidth, sceneHeight);
    recorder = std::make_unique<FrameRecorder>(
        *renderer, [this](std::uint32_t argb) { return ClearBackBuffer(argb); });
  }
  void DropRenderer() {
    recorder.reset();
    renderer.reset();
  }
};

namespace {

// Whole-number scale for a windowed scene: 1 normally, 2 or more on high-density
// displays, never larger than the desktop's usable area allows.
int WindowScaleFor(SDL_Window* window, int width, int height) {
  const int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
  float ddpi = 0;
  int scale = 1;
  if (SDL_GetDisplayDPI(display < 0 ? 0 : display, &ddpi, nullptr, nullptr) == 0 && ddpi > 0) {
    scale = std::max(1, static_cast<int>(ddpi / 96.0f));
  }
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) == 0) {
    while (scale > 1 && (width * scale > usable.w || height * scale > usable.h)) --scale;
  }
  return scale;
}

}  // namespace

SdlDisplay::SdlDisplay(SdlDisplayOptions options) : s_(std::make_unique<State>()) {
  s_->options = std::move(options);
}

SdlDisplay::~SdlDisplay() {
  Destroy();
}

SDL_Window* SdlDisplay::Window() const {
  return s_->window;
}
int SdlDisplay::WindowScale() const {
  return s_->scale;
}
const std::string& SdlDisplay::LastError() const {
  return s_->error;
}
RenderBackend* SdlDisplay::Renderer() {
  return s_->recorder.get();
}
const FrameRecorder* SdlDisplay::Recorder() const {
  return s_->recorder.get();
}
void SdlDisplay::Repaint() {
  s_->repaint = true;
}

bool SdlDisplay::Create(const DisplayParams& params) {
  if (s_->window) return false;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    s_->error = SDL_GetError();
    return false;
  }
  s_->videoStarted = true;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, params.depthBuffer ? 24 : 0);
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
  flags |= s_->options.hidden ? SDL_WINDOW_HIDDEN : SDL_WINDOW_SHOWN;
  s_->window = SDL_CreateWindow(s_->options.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                SDL_WINDOWPOS_CENTERED, params.width, params.height, flags);
  if (s_->window) s_->context = SDL_GL_CreateContext(s_->window);
  if (!s_->window || !s_->context) {
    s_->error = SDL_GetError();
    Destroy();
    return false;
  }
  SDL_GL_MakeCurrent(s_->window, s_->context);
  s_->MakeRenderer(params.width, params.height);
  if (!s_->renderer->Valid()) {
    s_->error = "the GL renderer could not be built";
    Destroy();
    return false;
  }
  s_->windowed = !params.windowed;  // forces Reset to apply the mode
  if (!Reset(params)) {
    Destroy();
    return false;
  }
  return true;
}

void SdlDisplay::Destroy() {
  if (s_->context) {
    SDL_GL_MakeCurrent(s_->window, s_->context);
    s_->DropRenderer();
    if (s_->colour) glDeleteTextures(1, &s_->colour);
    if (s_->fbo) glDeleteFramebuffers(1, &s_->fbo);
    s_->colour = s_->fbo = 0;
    SDL_GL_DeleteContext(s_->context);
    s_->context = nullptr;
  }
  s_->DropRenderer();
  if (s_->window) {
    SDL_DestroyWindow(s_->window);
    s_->window = nullptr;
  }
  if (s_->videoStarted) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    s_->videoStarted = false;
  }
}

bool SdlDisplay::Reset(const DisplayParams& params) {
  if (!s_->window) return false;
  SDL_GL_MakeCurrent(s_->window, s_->context);
  // The back buffer, rebuilt when its size changes.
  if (!s_->fbo || params.width != s_->width || params.height != s_->height) {
    if (s_->colour) glDeleteTextures(1, &s_->colour);
    if (s_->fbo) glDeleteFramebuffers(1, &s_->fbo);
    glGenTextures(1, &s_->colour);
    glBindTexture(GL_TEXTURE_2D, s_->colour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, params.width, params.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glGenFramebuffers(1, &s_->fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, s_->fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, s_->colour, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
      s_->error = "the back buffer could not be made";
      return false;
    }
    s_->width = params.width;
    s_->height = params.height;
    s_->MakeRenderer(params.width, params.height);
    // Textures live in the context, not the renderer, so images survive this.
  }
  if (params.windowed) {
    if (SDL_SetWindowFullscreen(s_->window, 0) != 0) {
      s_->error = SDL_GetError();
      return false;
    }
    if (s_->manualFullScreen) {
      SDL_SetWindowBordered(s_->window, SDL_TRUE);
      s_->manualFullScreen = false;
    }
    s_->scale = WindowScaleFor(s_->window, params.width, params.height);
    // Window points: on a display that reports drawable pixels per point above 1, SDL
    // scales itself, so the point size stays the scene size.
    int dw = 0, dh = 0, ww = 0, wh = 0;
    SDL_GetWindowSize(s_->window, &ww, &wh);
    SDL_GL_GetDrawableSize(s_->window, &dw, &dh);
    const int pointScale = ww > 0 ? std::max(1, dw / ww) : 1;
    const int pointsScale = std::max(1, s_->scale / pointScale);
    SDL_SetWindowSize(s_->window, params.width * pointsScale, params.height * pointsScale);
    SDL_SetWindowResizable(s_->window, SDL_FALSE);
    SDL_SetWindowPosition(s_->window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    const int display = std::max(0, SDL_GetWindowDisplayIndex(s_->window));
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) != 0) {
      s_->error = SDL_GetError();
      return false;
    }
    const bool asked = SDL_SetWindowFullscreen(s_->window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    if (!asked || !WaitForWindowSize(s_->window, bounds.w, bounds.h)) {
      // No window manager took it up (a bare X server): make the borderless
      // desktop-sized window ourselves.
      SDL_SetWindowFullscreen(s_->window, 0);
      SDL_SetWindowBordered(s_->window, SDL_FALSE);
      SDL_SetWindowPosition(s_->window, bounds.x, bounds.y);
      SDL_SetWindowSize(s_->window, bounds.w, bounds.h);
      if (!WaitForWindowSize(s_->window, bounds.w, bounds.h)) {
        s_->error = "no desktop-sized window could be had";
        return false;
      }
      s_->manualFullScreen = true;
    }
  }
  s_->windowed = params.windowed;
  s_->recorder->Invalidate();
  s_->repaint = true;
  // Late swap tearing first, then plain vertical-retrace waiting.
  if (params.vsync) {
    if (SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);
  } else {
    SDL_GL_SetSwapInterval(0);
  }
  SDL_PumpEvents();
  return true;
}

bool SdlDisplay::Clear(std::uint32_t argb) {
  if (!s_->fbo || !s_->recorder) return false;
  return s_->recorder->Clear(argb);
}

bool SdlDisplay::State::ClearBackBuffer(std::uint32_t argb) {
  if (!fbo) return false;
  SDL_GL_MakeCurrent(window, context);
  glBindFramebuffer(GL_FRAMEBUFFER, fbo);
  glViewport(0, 0, width, height);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(static_cast<float>((argb >> 16) & 0xFF) / 255.0f,
               static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
               static_cast<float>(argb & 0xFF) / 255.0f, static_cast<float>(argb >> 24) / 255.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  return glGetError() == GL_NO_ERROR;
}

bool SdlDisplay::BeginScene() {
  if (!s_->fbo) return false;
  SDL_GL_MakeCurrent(s_->window, s_->context);
  glBindFramebuffer(GL_FRAMEBUFFER, s_->fbo);
  glViewport(0, 0, s_->width, s_->height);
  s_->renderer->Invalidate();
  return true;
}

void SdlDisplay::EndScene() {
  s_->CommitFrame();
}

PresentResult SdlDisplay::Present() {
  if (!s_->window || !s_->fbo) return PresentResult::kLost;
  SDL_GL_MakeCurrent(s_->window, s_->context);
  s_->CommitFrame();
  // The window already shows this picture.
  if (!s_->unpresented && !s_->repaint) return PresentResult::kOk;
  s_->unpresented = s_->repaint = false;
  int dw = 0, dh = 0;
  SDL_GL_GetDrawableSize(s_->window, &dw, &dh);
  const SceneViewport v = FitScene(dw, dh, s_->width, s_->height);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glViewport(0, 0, dw, dh);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, s_->fbo);
  // Whole-number scales stay sharp; anything else is filtered.
  const bool exact = v.width % s_->width == 0 && v.height % s_->height == 0;
  glBlitFramebuffer(0, 0, s_->width, s_->height, v.x, dh - v.y - v.height, v.x + v.width, dh - v.y,
                    GL_COLOR_BUFFER_BIT, exact ? GL_NEAREST : GL_LINEAR);
  glBindFramebuffer(GL_FRAMEBUFFER, s_->fbo);
  SDL_GL_SwapWindow(s_->window);
  return glGetError() == GL_OUT_OF_MEMORY ? PresentResult::kDriverError : PresentResult::kOk;
}

void SdlDisplay::WindowToScene(int wx, int wy, int& sx, int& sy) const {
  sx = wx;
  sy = wy;
  if (!s_->window) return;
  int ww = 0, wh = 0, dw = 0, dh = 0;
  SDL_GetWindowSize(s_->window, &ww, &wh);
  SDL_GL_GetDrawableSize(s_->window, &dw, &dh);
  const double pointScale = ww > 0 ? static_cast<double>(dw) / ww : 1.0;
  FitScene(dw, dh, s_->width, s_->height)
      .WindowToScene(wx, wy, pointScale, s_->width, s_->height, sx, sy);
}

std::vector<std::uint32_t> SdlDisplay::ReadBackBuffer() const {
  if (!s_->fbo) return {};
  SDL_GL_MakeCurrent(s_->window, s_->context);
  s_->CommitFrame();
  glBindFramebuffer(GL_FRAMEBUFFER, s_->fbo);
  return ReadFramebuffer(s_->width, s_->height);
}

bool SdlDisplay::SaveBackBuffer(const std::string& path) const {
  const std::vector<std::uint32_t> pixels = ReadBackBuffer();
  if (pixels.empty()) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fprintf(f, "P6\n%d %d\n255\n", s_->width, s_->height);
  std::vector<unsigned char> row(static_cast<std::size_t>(s_->width) * 3);
  bool ok = true;
  for (int y = 0; y < s_->height && ok; ++y) {
    for (int x = 0; x < s_->width; ++x) {
      const std::uint32_t c = pixels[static_cast<std::size_t>(y) * s_->width + x];
      row[3 * x] = static_cast<unsigned char>(c);
      row[3 * x + 1] = static_cast<unsigned char>(c >> 8);
      row[3 * x + 2] = static_cast<unsigned char>(c >> 16);
    }
    ok = std::fwrite(row.data(), 1, row.size(), f) == row.size();
  }
  return std::fclose(f) == 0 && ok;
}

}  // namespace vellara
