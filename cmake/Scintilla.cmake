# Scintilla as static libraries for the Windows builds, from the trees that
# tools/fetch-scintilla.sh lays out in the cache: `scintilla` (patched, what the
# program links) and `scintilla_pristine` (untouched, for the test that proves
# the patch changes no wrap). Files the patches leave alone compile once.
set(_sci_pin ${CMAKE_SOURCE_DIR}/cmake/scintilla/source.txt)
file(STRINGS ${_sci_pin} _sci_version REGEX "^SCINTILLA_VERSION=")
string(REPLACE "SCINTILLA_VERSION=" "" _sci_version "${_sci_version}")
file(GLOB _sci_patches ${CMAKE_SOURCE_DIR}/cmake/scintilla/*.patch)
list(SORT _sci_patches)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_sci_pin} ${_sci_patches})

# The patched tree is keyed by the patches' contents, as the fetch script keys it.
set(_sci_all "")
foreach(p IN LISTS _sci_patches)
  file(READ ${p} _text)
  string(APPEND _sci_all "${_text}")
endforeach()
string(SHA256 _sci_key "${_sci_all}")
string(SUBSTRING ${_sci_key} 0 16 _sci_key)

if(DEFINED ENV{VELLUMO_CACHE_DIR})
  set(_sci_cache $ENV{VELLUMO_CACHE_DIR})
else()
  set(_sci_cache $ENV{HOME}/.cache/vellumo)
endif()
set(SCINTILLA_PRISTINE_DIR ${_sci_cache}/scintilla-${_sci_version}/scintilla)
set(SCINTILLA_DIR ${_sci_cache}/scintilla-${_sci_version}/patched-${_sci_key}/scintilla)
foreach(dir IN ITEMS ${SCINTILLA_PRISTINE_DIR} ${SCINTILLA_DIR})
  if(NOT EXISTS ${dir}/.vellumo-source)
    message(FATAL_ERROR "Scintilla ${_sci_version} is not fetched or not patched with the current "
                        "cmake/scintilla/*.patch (no ${dir}): run tools/setup-deps.sh")
  endif()
endforeach()
set(SCINTILLA_LICENSE ${SCINTILLA_PRISTINE_DIR}/License.txt)

# Source files the patches touch; a touched header would change every file.
set(_sci_touched "")
foreach(p IN LISTS _sci_patches)
  file(STRINGS ${p} _lines REGEX "^\\+\\+\\+ ")
  foreach(line IN LISTS _lines)
    string(REGEX REPLACE "^\\+\\+\\+ [^/]*/([^\t ]+).*" "\\1" f "${line}")
    if(NOT f MATCHES "\\.cxx$")
      message(FATAL_ERROR "${p} touches ${f}: the Scintilla build shares only untouched .cxx files")
    endif()
    list(APPEND _sci_touched ${f})
  endforeach()
endforeach()

file(GLOB _sci_src RELATIVE ${SCINTILLA_PRISTINE_DIR} ${SCINTILLA_PRISTINE_DIR}/src/*.cxx)
list(APPEND _sci_src win32/PlatWin.cxx win32/ScintillaWin.cxx win32/HanjaDic.cxx)
set(_sci_shared ${_sci_src})
list(REMOVE_ITEM _sci_shared ${_sci_touched})

function(_scintilla_settings target dir)
  target_include_directories(${target} PRIVATE ${dir}/src ${dir}/win32)
  target_include_directories(${target} SYSTEM PUBLIC ${dir}/include)
  target_compile_definitions(${target} PRIVATE NO_CXX11_REGEX NDEBUG)
  # Scintilla's own warnings are not ours to fix.
  target_compile_options(${target} PRIVATE -w)
endfunction()

list(TRANSFORM _sci_shared PREPEND ${SCINTILLA_PRISTINE_DIR}/)
add_library(scintilla_shared OBJECT EXCLUDE_FROM_ALL ${_sci_shared})
_scintilla_settings(scintilla_shared ${SCINTILLA_PRISTINE_DIR})

foreach(variant IN ITEMS scintilla scintilla_pristine)
  if(variant STREQUAL scintilla)
    set(dir ${SCINTILLA_DIR})
  else()
    set(dir ${SCINTILLA_PRISTINE_DIR})
  endif()
  set(own ${_sci_touched})
  list(TRANSFORM own PREPEND ${dir}/)
  add_library(${variant} STATIC ${own} $<TARGET_OBJECTS:scintilla_shared>)
  _scintilla_settings(${variant} ${dir})
  target_link_libraries(${variant} PUBLIC imm32 ole32 oleaut32 uuid gdi32 user32 msimg32)
endforeach()
set_target_properties(scintilla_pristine PROPERTIES EXCLUDE_FROM_ALL ON)
