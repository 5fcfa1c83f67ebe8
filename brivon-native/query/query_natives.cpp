// CefLib's answers to page queries. Any Java thread may call them: the table is locked and
// the router's callback moves the answer to the engine's UI thread.
#include <jni.h>

#include "jni/java_exceptions.h"
#include "jni/strings.h"
#include "query/pending_queries.h"

using brivon::JavaToCef;
using brivon::TakePendingQuery;

extern "C" {

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_javaQuerySuccess(JNIEnv* env, jclass,
                                                                         jlong query_id,
                                                                         jstring response) {
  brivon::NativeCall call(env);
  CefRefPtr<brivon::QueryCallback> callback = TakePendingQuery(query_id);
  if (!callback) return;
  callback->Success(JavaToCef(env, response));
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_javaQueryFailure(JNIEnv* env, jclass,
                                                                         jlong query_id,
                                                                         jint error_code,
                                                                         jstring error_message) {
  brivon::NativeCall call(env);
  CefRefPtr<brivon::QueryCallback> callback = TakePendingQuery(query_id);
  if (!callback) return;
  callback->Failure(error_code, JavaToCef(env, error_message));
}

}  // extern "C"
