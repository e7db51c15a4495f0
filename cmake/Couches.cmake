# Layers the build enforces. Each library's headers are reached through an include folder of its
# own that holds links to that layer's top-level source folders and nothing else; the source tree
# itself is on no include path. A library therefore sees the headers of the layers it links (their
# folders come with them) and no other: an include of a higher layer or of a front end fails to
# compile.
#
#   cogitelle_couche(<target> <folder>...)   the folders (relative to the source tree) of a layer
function(cogitelle_couche cible)
  set(racine ${CMAKE_BINARY_DIR}/couches/${cible})
  # Made anew at each configuration, so a folder a layer no longer has leaves no link behind (the
  # links are removed, not followed).
  file(REMOVE_RECURSE ${racine})
  file(MAKE_DIRECTORY ${racine})
  foreach(dossier ${ARGN})
    get_filename_component(parent ${racine}/${dossier} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dossier} ${racine}/${dossier} SYMBOLIC)
  endforeach()
  get_target_property(sorte ${cible} TYPE)
  if(sorte STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${cible} INTERFACE ${racine})
  else()
    target_include_directories(${cible} PUBLIC ${racine})
  endif()
endfunction()

# A test that a layer cannot reach what it must not see. A source of two lines, a header of the
# layer itself and a header it must not include, is compiled with the layer's include folders by
# building an object library left out of the build; the test passes only when the compiler stops
# at the second header, not found. The first header shows that the folders are there.
#
#   cogitelle_couche_interdite(<name> <library> <its own header> <forbidden header>)
function(cogitelle_couche_interdite nom bibliotheque permis interdit)
  set(source ${CMAKE_BINARY_DIR}/couches/interdits/${nom}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${permis}\"\n#include \"${interdit}\"\n")
  set(cible couche_interdite_${nom})
  add_library(${cible} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(${cible} PRIVATE ${bibliotheque})
  add_test(NAME couche_${nom} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${cible})
  string(REPLACE "." "\\." motif ${interdit})
  # One build at a time in the build folder.
  set_tests_properties(couche_${nom} PROPERTIES
    PASS_REGULAR_EXPRESSION "${motif}.*(No such file|not found)"
    RESOURCE_LOCK cogitelle_dossier_construction
    LABELS couches)
endfunction()
