#include "engine/settings_query.h"

namespace vellara {
namespace {

const std::atomic<std::int32_t> kUnboundSetting{0};
std::atomic<const std::atomic<std::int32_t>*> boundSetting{&kUnboundSetting};

}  // namespace

void BindVellaraModeSetting(const std::atomic<std::int32_t>* field) {
  boundSetting.store(field != nullptr ? field : &kUnboundSetting, std::memory_order_release);
}

std::int32_t VellaraModeSetting() {
  return boundSetting.load(std::memory_order_acquire)->load(std::memory_order_relaxed);
}

}  // namespace vellara
