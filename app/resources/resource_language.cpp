#include "app/resources/resource_language.h"

#include "platform/locale/thread_locale.h"

bool UseJapaneseResources() {
    return GetThreadLocale() == kLocaleJapanese;
}
