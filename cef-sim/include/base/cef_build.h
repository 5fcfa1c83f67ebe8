#ifndef CEF_INCLUDE_BASE_CEF_BUILD_H_
#define CEF_INCLUDE_BASE_CEF_BUILD_H_

#if defined(_WIN32)
#ifndef OS_WIN
#define OS_WIN 1
#endif
#elif defined(__linux__)
#ifndef OS_LINUX
#define OS_LINUX 1
#endif
#ifndef OS_POSIX
#define OS_POSIX 1
#endif
#endif

#if defined(_WIN64) || defined(__x86_64__) || defined(__aarch64__)
#define ARCH_CPU_64_BITS 1
#else
#define ARCH_CPU_32_BITS 1
#endif

#ifndef OVERRIDE
#define OVERRIDE override
#endif

#endif  // CEF_INCLUDE_BASE_CEF_BUILD_H_
