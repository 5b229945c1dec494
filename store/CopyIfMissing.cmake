# cmake -DSOURCE=... -DTARGET=... -P CopyIfMissing.cmake
# The application folder's catalogue is the user's: it is made once and never replaced.
if(NOT EXISTS "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
