# Checks the export table of the built plug-in library (run as a test with cmake -P).
#   -DOBJDUMP=<objdump for the library's format>  -DLIBRARY=<PelmoraPlugin.dll or .so>
#   -DFORMAT=pe|elf
# The host finds the six plain names; nothing of the plug-in's inside may be visible; the
# Windows DLL must need no DLL beyond the system's C runtime.
if(FORMAT STREQUAL "pe")
    execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" OUTPUT_VARIABLE table RESULT_VARIABLE failed)
else()
    execute_process(COMMAND "${OBJDUMP}" -T "${LIBRARY}" OUTPUT_VARIABLE table RESULT_VARIABLE failed)
endif()
if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${LIBRARY}")
endif()

set(problems "")
foreach(name createPlugin getPluginName getPluginVersion getHelpFile getPluginDescription getAuthor)
    if(FORMAT STREQUAL "pe")
        set(pattern "\\] ${name}\n")
    else()
        set(pattern " ${name}\n")
    endif()
    if(NOT table MATCHES "${pattern}")
        string(APPEND problems "  the plain export ${name} is missing\n")
    endif()
endforeach()

# The host table and the look-up are the plug-in's own business.
foreach(hidden hostApi loadHostApi findLoadedModule findModuleExport)
    if(table MATCHES "${hidden}")
        string(APPEND problems "  ${hidden} is exported but must stay hidden\n")
    endif()
endforeach()

if(FORMAT STREQUAL "pe")
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
    foreach(import IN LISTS imports)
        if(NOT import MATCHES "DLL Name: (KERNEL32|msvcrt)\\.dll")
            string(APPEND problems "  the DLL needs another DLL: ${import}\n")
        endif()
    endforeach()
endif()

if(problems)
    message(FATAL_ERROR "${LIBRARY}:\n${problems}")
endif()
message(STATUS "${LIBRARY}: the six plain exports are there and nothing else leaks")
