# Sources compiled in batches: one generated file per batch includes a number
# of the target's sources, so that the headers and inline functions they share
# are compiled once per batch. The generated files name the sources by paths
# relative to themselves (CMake's own unity build writes absolute paths), so
# that the compiler cache answers for every checkout of the machine.

# belvane_batched_sources(out_var target batch_size sources...): the sources
# the target is to compile; the sources themselves when BELVANE_UNITY_BUILD is
# off or the batch size is 1.
function(belvane_batched_sources out_var target batch_size)
  set(sources ${ARGN})
  if(NOT BELVANE_UNITY_BUILD OR batch_size LESS_EQUAL 1)
    set(${out_var} ${sources} PARENT_SCOPE)
    return()
  endif()
  list(SORT sources)
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/batches/${target}")
  set(batches)
  set(content "")
  set(in_batch 0)
  set(index 0)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative "${folder}" "${source}")
    string(APPEND content "#include \"${relative}\"\n")
    math(EXPR in_batch "${in_batch} + 1")
    if(in_batch EQUAL batch_size)
      file(CONFIGURE OUTPUT "${folder}/batch_${index}.cpp" CONTENT "${content}" @ONLY)
      list(APPEND batches "${folder}/batch_${index}.cpp")
      set(content "")
      set(in_batch 0)
      math(EXPR index "${index} + 1")
    endif()
  endforeach()
  if(in_batch GREATER 0)
    file(CONFIGURE OUTPUT "${folder}/batch_${index}.cpp" CONTENT "${content}" @ONLY)
    list(APPEND batches "${folder}/batch_${index}.cpp")
  endif()
  set(${out_var} ${batches} PARENT_SCOPE)
endfunction()
