// GL renderer.
#include "platform/video/gl_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cstddef>

namespace vellara {
namespace {

constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 aPos;
layout(location = 1) in vec2 aUv;
layout(location = 2) in vec4 aColour;
uniform vec2 uScale;
out vec2 vUv;
out vec4 vColour;
void main() {
  vUv = aUv;
  vColour = aColour;
  gl_Position = vec4(aPos * uScale + vec2(-1.0, 1.0), 0.0, 1.0);
}
)";

constexpr const char* kFragmentShader = R"(#version 330 core
in vec2 vUv;
in vec4 vColour;
uniform sampler2D uTexture;
uniform bool uTextured;
uniform bool uAlphaTest;
out vec4 fragColour;
void main() {
  vec4 c = uTextured ? vColour * texture(uTexture, vUv) : vColour;
  if (uAlphaTest && c.a < 0.5 / 255.0) discard;
  fragColour = c;
}
)";

GLuint Compile(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

constexpr GLenum kFactors[] = {
    GL_ZERO,
    GL_ONE,
    GL_SRC_COLOR,
    GL_ONE_MINUS_SRC_COLOR,
    GL_SRC_ALPHA,
    GL_ONE_MINUS_SRC_ALPHA,
    GL_DST_ALPHA,
    GL_ONE_MINUS_DST_ALPHA,
    GL_DST_COLOR,
    GL_ONE_MINUS_DST_COLOR,
    GL_SRC_ALPHA_SATURATE,
};
constexpr GLenum kEquations[] = {GL_FUNC_ADD, GL_FUNC_REVERSE_SUBTRACT, GL_FUNC_SUBTRACT, GL_MIN,
                                 GL_MAX};

}  // namespace

BlendSetting EffectBlend(std::uint32_t effect) {
  const unsigned src = effect & 0xFF, dst = (effect >> 8) & 0xFF, op = (effect >> 16) & 0xFF;
  BlendSetting b;
  if (src == 1 && dst == 0 && op == 0) return b;  // blending off
  b.enabled = true;
  // Indexes beyond the tables mean nothing: they count as one (source), zero
  // (destination) and add.
  b.source = src < std::size(kFactors) ? kFactors[src] : GL_ONE;
  b.destination = dst < std::size(kFactors) ? kFactors[dst] : GL_ZERO;
  b.equation = op < std::size(kEquations) ? kEquations[op] : GL_FUNC_ADD;
  return b;
}

struct GlRenderer::State {
  int sceneWidth = 0, sceneHeight = 0;
  GLuint program = 0, vao = 0, vbo = 0, ebo = 0, sampler = 0, white = 0;
  GLint uScale = -1, uTextured = -1, uAlphaTest = -1, uTexture = -1;
  bool known = false;  // the fields below reflect GL
  std::uint32_t effect = 0;
  TextureId texture = 0;
  CanvasState canvas;
};

GlRenderer::GlRenderer(int sceneWidth, int sceneHeight) : s_(std::make_unique<State>()) {
  s_->sceneWidth = sceneWidth;
  s_->sceneHeight = sceneHeight;
  const GLuint vs = Compile(GL_VERTEX_SHADER, kVertexShader);
  const GLuint fs = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
  if (vs == 0 || fs == 0) {
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    return;
  }
  s_->program = glCreateProgram();
  glAttachShader(s_->program, vs);
  glAttachShader(s_->program, fs);
  glLinkProgram(s_->program);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint linked = GL_FALSE;
  glGetProgramiv(s_->program, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) {
    glDeleteProgram(s_->program);
    s_->program = 0;
    return;
  }
  s_->uScale = glGetUniformLocation(s_->program, "uScale");
  s_->uTextured = glGetUniformLocation(s_->program, "uTextured");
  s_->uAlphaTest = glGetUniformLocation(s_->program, "uAlphaTest");
  s_->uTexture = glGetUniformLocation(s_->program, "uTexture");

  glGenVertexArrays(1, &s_->vao);
  glBindVertexArray(s_->vao);
  glGenBuffers(1, &s_->vbo);
  glGenBuffers(1, &s_->ebo);
  glBindBuffer(GL_ARRAY_BUFFER, s_->vbo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, s_->ebo);
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                        reinterpret_cast<const void*>(offsetof(Vertex, x)));
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                        reinterpret_cast<const void*>(offsetof(Vertex, u)));
  // 0xAABBGGRR is bytes R, G, B, A in memory.
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                        reinterpret_cast<const void*>(offsetof(Vertex, colour)));
  glGenSamplers(1, &s_->sampler);
  glSamplerParameteri(s_->sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(s_->sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  const std::uint32_t white = 0xFFFFFFFFu;
  s_->white = CreateTexture(1, 1, &white, false);
}

GlRenderer::~GlRenderer() {
  if (s_->white) glDeleteTextures(1, &s_->white);
  if (s_->sampler) glDeleteSamplers(1, &s_->sampler);
  if (s_->vbo) glDeleteBuffers(1, &s_->vbo);
  if (s_->ebo) glDeleteBuffers(1, &s_->ebo);
  if (s_->vao) glDeleteVertexArrays(1, &s_->vao);
  if (s_->program) glDeleteProgram(s_->program);
}

bool GlRenderer::Valid() const {
  return s_->program != 0 && s_->white != 0;
}

TextureId GlRenderer::CreateTexture(int width, int height, const std::uint32_t* pixels,
                                    bool mipmaps) {
  if (width <= 0 || height <= 0) return 0;
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
  if (width > maxSize || height > maxSize) return 0;
  while (glGetError() != GL_NO_ERROR) {
  }
  GLuint id = 0;
  glGenTextures(1, &id);
  glBindTexture(GL_TEXTURE_2D, id);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  // The canvas samples level 0 only (its sampler never asks for mipmaps), so requested
  // mipmaps are not built.
  (void)mipmaps;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  s_->known = false;
  if (glGetError() != GL_NO_ERROR) {
    glDeleteTextures(1, &id);
    return 0;
  }
  return id;
}

void GlRenderer::DestroyTexture(TextureId texture) {
  if (texture == 0) return;
  const GLuint id = texture;
  glDeleteTextures(1, &id);
  if (s_->texture == texture) s_->known = false;
}

void GlRenderer::Invalidate() {
  s_->known = false;
}

void GlRenderer::SetState(const CanvasState& state) {
  s_->canvas = state;
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_SCISSOR_TEST);
  if (state.dithering) {
    glEnable(GL_DITHER);
  } else {
    glDisable(GL_DITHER);
  }
  const GLint filter = state.antialias ? GL_LINEAR : GL_NEAREST;
  glSamplerParameteri(s_->sampler, GL_TEXTURE_MIN_FILTER, filter);
  glSamplerParameteri(s_->sampler, GL_TEXTURE_MAG_FILTER, filter);
  glViewport(0, 0, s_->sceneWidth, s_->sceneHeight);
  s_->known = false;  // the next batch sets effect and texture again
}

bool GlRenderer::Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
                      std::span<const std::uint32_t> indices, std::uint32_t effect,
                      TextureId texture) {
  if (!Valid() || vertices.empty() || indices.empty()) return false;
  glUseProgram(s_->program);
  glBindVertexArray(s_->vao);
  glUniform2f(s_->uScale, 2.0f / static_cast<float>(s_->sceneWidth),
              -2.0f / static_cast<float>(s_->sceneHeight));
  glUniform1i(s_->uTexture, 0);
  const bool blend = EffectBlend(effect).enabled;
  glUniform1i(s_->uAlphaTest, s_->canvas.alphaTesting && blend ? 1 : 0);

  if (!s_->known || (effect & 0xFFFFFF) != (s_->effect & 0xFFFFFF)) {
    const BlendSetting b = EffectBlend(effect);
    if (b.enabled) {
      glEnable(GL_BLEND);
      glBlendEquation(b.equation);
      glBlendFunc(b.source, b.destination);
    } else {
      glDisable(GL_BLEND);
    }
    s_->effect = effect;
  }
  if (!s_->known || texture != s_->texture) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture != 0 ? texture : s_->white);
    glBindSampler(0, s_->sampler);
    glUniform1i(s_->uTextured, texture != 0 ? 1 : 0);
    s_->texture = texture;
  }
  s_->known = true;

  glBindBuffer(GL_ARRAY_BUFFER, s_->vbo);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size_bytes()), vertices.data(),
               GL_STREAM_DRAW);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size_bytes()),
               indices.data(), GL_STREAM_DRAW);
  const GLenum mode = kind == PrimitiveKind::kPoints  ? GL_POINTS
                      : kind == PrimitiveKind::kLines ? GL_LINES
                                                      : GL_TRIANGLES;
  glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, nullptr);
  return true;
}

std::vector<std::uint32_t> ReadFramebuffer(int width, int height) {
  std::vector<std::uint32_t> bottomUp(static_cast<std::size_t>(width) * height);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
  std::vector<std::uint32_t> out(bottomUp.size());
  for (int y = 0; y < height; ++y) {
    std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(height - 1 - y) * width, width,
                out.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  return out;
}

}  // namespace vellara
