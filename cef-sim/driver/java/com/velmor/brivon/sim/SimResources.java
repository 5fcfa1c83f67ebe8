package com.velmor.brivon.sim;

/**
 * Requests served by the scheme handler factories the client registered, loaded as the
 * engine's network side does: each on a loader thread of its own, unknown to the Java VM,
 * several at once, read in chunks of {@link #READ_CHUNK_BYTES}. Load the driver with
 * {@link SimDriver#load} first.
 */
public final class SimResources {
    /** What the engine offers each {@code Read}. */
    public static final int READ_CHUNK_BYTES = 32 * 1024;

    /** The engine's resource types used by requests. */
    public static final int MAIN_FRAME = 0;
    public static final int STYLESHEET = 2;
    public static final int SCRIPT = 3;
    public static final int IMAGE = 4;

    private SimResources() {
    }

    /** What the page received for one request. */
    public static final class Received {
        /** A factory matched the address and gave a handler. */
        public final boolean offered;
        /** The handler's Open served the request at once. */
        public final boolean handled;
        public final int status;
        public final String mimeType;
        public final String charset;
        /** The length the handler announced; -1 unknown. */
        public final long length;
        public final byte[] body;
        /** 0, or the load's error code. */
        public final int error;
        public final int reads;
        public final boolean canceled;

        Received(boolean offered, boolean handled, int status, String mimeType, String charset,
                long length, byte[] body, int error, int reads, boolean canceled) {
            this.offered = offered;
            this.handled = handled;
            this.status = status;
            this.mimeType = mimeType;
            this.charset = charset;
            this.length = length;
            this.body = body;
            this.error = error;
            this.reads = reads;
            this.canceled = canceled;
        }

        @Override
        public String toString() {
            return "offered=" + offered + " handled=" + handled + " status=" + status
                    + " type=" + mimeType + " charset=" + charset + " length=" + length
                    + " body=" + body.length + " error=" + error + " reads=" + reads
                    + " canceled=" + canceled;
        }
    }

    /** One request a browser's page or main-frame navigation made through a factory. */
    public static final class PageRequest {
        /** For {@link #await}. */
        public final int id;
        public final String url;
        public final int resourceType;
        public final long frameId;

        PageRequest(int id, String url, int resourceType, long frameId) {
            this.id = id;
            this.url = url;
            this.resourceType = resourceType;
            this.frameId = frameId;
        }

        @Override
        public String toString() {
            return id + " " + url + " type=" + resourceType + " frame=" + frameId;
        }
    }

    /**
     * The requests the browser's pages made for the subresources they declare and its
     * main-frame navigations made for their documents, through the factories, in order. Each
     * page's requests are cancelled when the page goes.
     */
    public static PageRequest[] pageRequests(int browserId) {
        return nativePageRequests(browserId);
    }

    /** Starts loading the address for the browser (0: none); returns the request's id. */
    public static int load(int browserId, String url, int resourceType) {
        if (url == null) {
            throw new IllegalArgumentException("the address is missing");
        }
        return nativeLoad(browserId, url, resourceType);
    }

    /** Cancels the request, as a page going away does: Cancel comes before the next Read. */
    public static native void cancel(int id);

    /**
     * Waits for the request's loader thread to end (at most {@code timeoutMillis}) and gives
     * what the page received, or null when it has not ended in that time. A result is taken
     * once: a second await of the same request gives null.
     */
    public static Received await(int id, int timeoutMillis) {
        return nativeAwait(id, timeoutMillis);
    }

    /**
     * The engine's loading threads alive now. A thread idle for a while ends; one no longer
     * counted has fully ended, its Java thread (if it had one) detached.
     */
    public static native int loaderThreads();

    /** Nanoseconds per attach and detach of a native thread, averaged over {@code times}. */
    public static native double attachDetachNanos(int times);

    /** Nanoseconds for the best of {@code times} memcpy runs of {@code bytes} in engine chunks. */
    public static native double memcpyNanos(int bytes, int times);

    private static native int nativeLoad(int browserId, String url, int resourceType);

    private static native Received nativeAwait(int id, int timeoutMillis);

    private static native PageRequest[] nativePageRequests(int browserId);
}
