/* Machine-dependent JNI types for 32-bit and 64-bit Windows, used with the JDK's own jni.h when
   the bridge is cross-built: the JDK on the build machine carries only its Linux jni_md.h. */
#ifndef BRIVON_WIN32_JNI_MD_H
#define BRIVON_WIN32_JNI_MD_H

/* The exports are named by the module-definition file, with the decorated names a 32-bit JVM
   looks up; marking the functions dllexport as well would add a second, undecorated-underscore
   name for each of them. */
#define JNIEXPORT
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef long long jlong;
typedef signed char jbyte;

#endif
