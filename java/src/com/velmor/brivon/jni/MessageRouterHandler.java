package com.velmor.brivon.jni;

/**
 * Page queries made with {@code window.javaQuery}, registered with
 * {@link CefLib#setMessageRouterHandler}. Called on the pumping thread.
 */
public interface MessageRouterHandler {
    /**
     * A page asks something. Answer once, now or later and on the pumping thread, with
     * {@link CefLib#javaQuerySuccess} or {@link CefLib#javaQueryFailure}.
     *
     * @param queryId unique in the process; not the number the page got back from its call
     */
    void onQuery(long browserId, long frameId, long queryId, String request);

    /** The query will not be answered to the page any more (navigation, close, page cancelled it). */
    void onQueryCanceled(long browserId, long frameId, long queryId);
}
