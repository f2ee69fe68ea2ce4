# vorn_start_order(TARGET LIST): links TARGET with lld, the functions named in
# LIST (one mangled name a line, tools/start-order writes it) first and
# together. The kernel maps a program's file pages 64 KiB around each first
# touch: code the start runs, spread among code it never runs, made nearly the
# whole player resident. Each function needs a section of its own for this:
# the layers' libraries are compiled with -ffunction-sections (Layers.cmake).
# Without lld the link is the usual one.

include(CheckLinkerFlag)
check_linker_flag(CXX "-fuse-ld=lld" VORN_HAVE_LLD)

function(vorn_start_order target list)
  if(NOT VORN_HAVE_LLD)
    message(STATUS "${target}: no lld, its start-up code is not laid out together")
    return()
  endif()
  # A name no longer found (renamed since the list was made) is skipped.
  target_link_options(${target} PRIVATE -fuse-ld=lld LINKER:--symbol-ordering-file=${list}
    LINKER:--no-warn-symbol-ordering)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${list})
endfunction()
