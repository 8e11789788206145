#include "platform/profile.h"

cProfile::~cProfile() = default;
