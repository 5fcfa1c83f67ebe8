package com.velmor.brivon.jni;

import java.nio.ByteBuffer;

/**
 * The answer to one resource request, created by {@link ResourceHandler#createRequest(String)}.
 * The library calls {@link #open()}, then the three header getters, then {@link #read(ByteBuffer)}
 * until it returns 0 or less, and {@link #close()} when the engine lets the request go. All of
 * these run on the engine's loading threads, and several responses may be served at once.
 *
 * <p>The base class answers with an empty body of unknown length. The library looks its methods
 * up once per process on the first response it sees, so every response a client hands out must
 * be this class or a subclass of it.
 */
public class ResourceResponse {
    public ResourceResponse() {
    }

    /** Prepares the response; an exception thrown here makes the request fail with status 500. */
    public void open() {
    }

    public int getHttpStatusCode() {
        return 200;
    }

    /**
     * Body length in bytes, or -1 when unknown. Unknown is the default so that a subclass that
     * only overrides {@link #read(ByteBuffer)} still has its whole body read.
     */
    public long getContentLength() {
        return -1;
    }

    public String getContentType() {
        return "application/octet-stream";
    }

    /**
     * Writes the next bytes of the body into {@code buffer}, starting at index 0, and returns
     * how many were written. 0 ends the body; a negative value fails the load with that value
     * as the error code. The buffer is the engine's own memory and is valid only during this
     * call: never keep it.
     */
    public int read(ByteBuffer buffer) {
        return 0;
    }

    /** The engine cancelled the request; {@link #close()} still follows. */
    public void cancel() {
    }

    /** The request is finished or abandoned; release whatever the response holds. */
    public void close() {
    }
}
