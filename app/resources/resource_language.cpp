#include "app/resources/resource_language.h"

#include "platform/thread_locale.h"

namespace {

constexpr uint32_t kJapaneseLocaleId = 1041;

}  // namespace

bool UseJapaneseResources() {
    return GetThreadLocale() == kJapaneseLocaleId;
}
