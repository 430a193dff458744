# The unit tests as a 32-bit Linux program (g++-multilib): the pure code that
# the 32-bit Windows program shares then runs with a 32-bit size_t and
# pointers, so an overflow that only 32 bits have shows up here.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)

# A kernel without its 32-bit support (ia32 emulation switched off) starts no
# 32-bit program: qemu-user's emulator runs them there, the tests and the
# test discovery alike. Elsewhere they run as they are.
execute_process(COMMAND /lib/ld-linux.so.2 --help RESULT_VARIABLE vintrel_loader_status
                OUTPUT_QUIET ERROR_QUIET)
if(NOT vintrel_loader_status EQUAL 0)
  find_program(VINTREL_QEMU_I386 qemu-i386)
  if(NOT VINTREL_QEMU_I386)
    message(FATAL_ERROR "This kernel runs no 32-bit programs and qemu-i386 is missing (package qemu-user)")
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VINTREL_QEMU_I386})
endif()
