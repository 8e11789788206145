#include "platform/file_picker.h"

cFilePicker::~cFilePicker() = default;
