# The build number is the count of commits on the current branch, so every
# landed change gets a higher one; outside a git checkout it is "0".
find_package(Git QUIET)
set(INKHARBOR_BUILD_NUMBER "0")
if(GIT_FOUND)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE _count
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE _result)
  if(_result EQUAL 0 AND _count)
    set(INKHARBOR_BUILD_NUMBER "${_count}")
  endif()
endif()
