# The Windows build's programs as a Windows user gets them: console programs
# of the target's format that need no DLL but Windows' own. Checked on the
# build machine, so also for the 32-bit build, which this machine cannot run.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "i.86")
  set(inversion_windows_format "PE32 executable (console) Intel 80386")
else()
  set(inversion_windows_format "PE32+ executable (console) x86-64")
endif()
find_program(INVERSION_OBJDUMP NAMES ${CMAKE_OBJDUMP} ${MINGW_TRIPLET}-objdump objdump REQUIRED)

set(inversion_windows_programs "")
foreach(program parabola_drift parabola_fan wave_trace hyperbola_trace inversion_explorer gallery first_picture
                fault_probe)
  list(APPEND inversion_windows_programs $<TARGET_FILE:${program}>)
endforeach()

enable_testing()
add_test(NAME WindowsPrograms.ConsoleProgramsWithWindowsOwnDllsOnly
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/check_windows_programs ${INVERSION_OBJDUMP}
          ${inversion_windows_format} ${inversion_windows_programs})
