# Fails when a source outside KEVA_Physics/engine/ includes a Bullet header.
# The include paths already keep Bullet's usual spellings out of reach; this
# catches the one that needs no path, <bullet/LinearMath/...> from /usr/include.
# Usage: cmake -DROOT=<source dir> -P CheckSeam.cmake
set(above KEVA_Physics showcase kestrova base KEVA_3DS KEVA_Collision tools/runner tools/datagen)
foreach(dir ${above})
  file(GLOB_RECURSE found ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
  list(APPEND sources ${found})
endforeach()
list(FILTER sources EXCLUDE REGEX "/KEVA_Physics/engine/")
set(bullet_include "#[ \t]*include[ \t]*[<\"](bullet/|LinearMath/|BulletCollision/|BulletDynamics/|bt[A-Z])")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "${bullet_include}")
  if(lines)
    file(RELATIVE_PATH name ${ROOT} ${source})
    list(GET lines 0 line)
    message(FATAL_ERROR "${name} includes Bullet (${line}): only KEVA_Physics/engine/ may; "
                        "use the engine interface, KEVA_Physics/engine/NewtonImport.h")
  endif()
endforeach()
