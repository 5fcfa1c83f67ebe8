package com.velmor.brivon.jni;

/**
 * Serves the custom schemes and reserved hosts, registered with {@link CefLib#setResourceHandler}.
 * Called on the engine's loading threads, for several requests at once: implementations must be
 * thread-safe. The library keeps the method of the first handler class it sees, so register
 * handlers of one class only.
 */
public interface ResourceHandler {
    /**
     * @param url the whole address, query string included
     * @return the response, or null to answer with status 500
     */
    ResourceResponse createRequest(String url);
}
