# The programs a distribution folder carries (the runtime stub, the player and
# the media module) find the Qt libraries copied beside them in lib/.
#
# The search path is written into the programs when they are built, because
# "Create Executable" and "Prepare Distribution" copy them byte for byte.
# It is a DT_RPATH, not a DT_RUNPATH: the loader applies a program's DT_RPATH
# to every library loaded on its behalf that has no search path of its own
# (the distribution's copies of the system's Qt libraries, and the libraries
# the Qt plugins open by name), while a DT_RUNPATH would only serve the
# program's direct needs and let the rest come from the system.
foreach(target quedrix vistrel quendra_qtmedia)
  if(TARGET ${target})
    set_target_properties(${target} PROPERTIES
        BUILD_RPATH "$ORIGIN/lib"
        INSTALL_RPATH "$ORIGIN/lib")
    set_property(TARGET ${target} APPEND PROPERTY LINK_OPTIONS "LINKER:--disable-new-dtags")
  endif()
endforeach()

# The distribution tests copy the built programs and read their dependencies.
if(TARGET distrib_tests)
  add_dependencies(distrib_tests quedrix vistrel quendra_qtmedia)
endif()
if(TARGET bench_distribution)
  add_dependencies(bench_distribution quedrix vistrel quendra_qtmedia)
endif()
