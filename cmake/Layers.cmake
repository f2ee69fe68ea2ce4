# vorn_layer(NAME USES LOWER...): the library vorn-NAME from src/NAME/*.cpp,
# linked to the layers it uses. Its include root holds links to src/NAME and
# to every folder below it that it may use, and nothing else, so that
# #include "FOLDER/..." resolves only for an allowed folder.

set(VORN_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

# A library of the layers, compiled eight files at a time when
# VORN_UNITY_LIBRARIES asks. Listed in VORN_LIBRARIES: the files of one
# library must declare names of their own (tests/CMakeLists.txt).
#
# Each function and each object in a section of its own: the player's link
# lays its start-up code out together (StartOrder.cmake), and a program that
# links an object file of a batch, whole, leaves out at link what it never
# uses. The optimised builds link with lld and --gc-sections: lld records a
# shared library as needed only when code the program keeps calls into it
# (GNU ld also counts the code it leaves out), so that a program links and
# loads no more than when each file was an object of its own.
if(VORN_UNITY_LIBRARIES AND CMAKE_BUILD_TYPE IN_LIST VORN_HARDENED_CONFIGS)
  if(VORN_HAVE_LLD)
    add_link_options(-fuse-ld=lld LINKER:--gc-sections)
  else()
    message(STATUS "No lld: the libraries are compiled file by file")
    set(VORN_UNITY_LIBRARIES OFF)
  endif()
endif()
function(vorn_library target)
  add_library(${target} STATIC ${ARGN})
  target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
  set_property(GLOBAL APPEND PROPERTY VORN_LIBRARIES ${target})
  if(VORN_UNITY_LIBRARIES)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
    endif()
  endif()
endfunction()

function(vorn_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES")
  set(allowed ${name})
  foreach(lower ${arg_USES})
    list(APPEND allowed ${VORN_LAYER_${lower}_ALLOWED})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set(VORN_LAYER_${name}_ALLOWED ${allowed} CACHE INTERNAL "")

  set(root ${VORN_LAYER_ROOTS}/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${allowed})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()

  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  vorn_library(vorn-${name} ${sources})
  # PUBLIC: a user's own root holds these folders too, so the headers it
  # includes from this layer find theirs.
  target_include_directories(vorn-${name} PUBLIC ${root})
  foreach(lower ${arg_USES})
    target_link_libraries(vorn-${name} PUBLIC vorn-${lower})
  endforeach()
  # Qt's and the standard library's headers, compiled once for a layer of
  # many files: they are most of each file's compile time. A small layer
  # would spend more on the header than it saves.
  list(LENGTH sources count)
  if(count GREATER_EQUAL 8)
    target_precompile_headers(vorn-${name} PRIVATE <QString> <QStringList> <QByteArray> <QList>
      <vector> <optional> <functional> <memory> <algorithm>)
  endif()
endfunction()

# vorn_layer_apart(NAME PART FILE...): the named files of src/NAME/ leave
# vorn-NAME for a library of their own, vorn-NAME-PART, which uses vorn-NAME
# and sees what it sees. For code that only some programs need: the others
# then neither link nor load the libraries it brings.
function(vorn_layer_apart name part)
  list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/src/${name}/ OUTPUT_VARIABLE files)
  get_target_property(sources vorn-${name} SOURCES)
  foreach(file ${files})
    if(NOT file IN_LIST sources)
      message(FATAL_ERROR "vorn_layer_apart: ${file} is not a source of vorn-${name}")
    endif()
  endforeach()
  list(REMOVE_ITEM sources ${files})
  set_property(TARGET vorn-${name} PROPERTY SOURCES ${sources})
  vorn_library(vorn-${name}-${part} ${files})
  target_link_libraries(vorn-${name}-${part} PUBLIC vorn-${name})
endfunction()
