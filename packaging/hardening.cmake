# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
#
# Hardening of the optimised builds, as Debian builds its packages: checked string and
# memory functions, stack protection, and a read-only, eagerly bound relocation table.
# Debug, sanitizer and fuzz builds keep their own flags: fortification needs optimisation,
# and the sanitizers replace the same functions themselves.
option(RECALLIX_HARDEN "Harden the optimised builds (fortify, stack protector, full RELRO)" ON)

if(RECALLIX_HARDEN AND NOT RECALLIX_SANITIZE AND NOT RECALLIX_BUILD_FUZZ)
  set(recallix_optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
  add_compile_options(
    $<${recallix_optimised}:-U_FORTIFY_SOURCE>
    $<${recallix_optimised}:-D_FORTIFY_SOURCE=2>
    $<${recallix_optimised}:-fstack-protector-strong>)
  add_link_options($<${recallix_optimised}:LINKER:-z,relro,-z,now>)
endif()
