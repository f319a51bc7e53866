# Flags shared by every target. The conversion's single-precision results must
# be identical on every compiler and machine: no contraction of a*b+c into a
# fused multiply-add, no fast-math, and SSE arithmetic on x86 (never x87).
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "i[3-6]86")
  add_compile_options(-msse2 -mfpmath=sse)
endif()
if(ONDREL_WERROR)
  add_compile_options(-Werror)
endif()
if(ONDREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
