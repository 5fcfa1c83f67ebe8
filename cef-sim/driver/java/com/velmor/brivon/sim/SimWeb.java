package com.velmor.brivon.sim;

/**
 * The stand-in's network: what each address serves. An address nobody registered serves
 * an empty document with no title and no subframes, status 200; hosts under the
 * {@code .invalid} top-level domain never resolve. Load the driver with
 * {@link SimDriver#load} first.
 */
public final class SimWeb {
    private SimWeb() {
    }

    /**
     * The address serves a document with this title (null or empty: no title) and these
     * subframes in document order, status 200.
     */
    public static void servePage(String url, String title, String... subframeUrls) {
        servePageWithStatus(url, title, 200, subframeUrls);
    }

    public static void servePageWithStatus(String url, String title, int status,
            String... subframeUrls) {
        if (url == null) {
            throw new IllegalArgumentException("the address is missing");
        }
        String[] subframes = subframeUrls == null ? new String[0] : subframeUrls.clone();
        for (String subframe : subframes) {
            if (subframe == null) {
                throw new IllegalArgumentException("a subframe address is missing");
            }
        }
        nativeServePage(url, title == null ? "" : title, status, subframes);
    }

    /** A subresource a document declares: an image, a style sheet or a script. */
    public static final class Subresource {
        final String url;
        final int resourceType;

        private Subresource(String url, int resourceType) {
            this.url = url;
            this.resourceType = resourceType;
        }
    }

    public static Subresource image(String url) {
        return subresource(url, SimResources.IMAGE);
    }

    public static Subresource styleSheet(String url) {
        return subresource(url, SimResources.STYLESHEET);
    }

    public static Subresource script(String url) {
        return subresource(url, SimResources.SCRIPT);
    }

    private static Subresource subresource(String url, int type) {
        if (url == null) {
            throw new IllegalArgumentException("the subresource's address is missing");
        }
        return new Subresource(url, type);
    }

    /**
     * The address serves a document with this title (null or empty: no title), status 200 and
     * no subframes, declaring these subresources in document order. Once committed, the
     * document requests those a scheme handler factory serves (see
     * {@link SimResources#pageRequests}).
     */
    public static void servePageWithSubresources(String url, String title,
            Subresource... subresources) {
        if (url == null) {
            throw new IllegalArgumentException("the address is missing");
        }
        Subresource[] declared = subresources == null ? new Subresource[0] : subresources.clone();
        String[] urls = new String[declared.length];
        int[] types = new int[declared.length];
        for (int i = 0; i < declared.length; i++) {
            if (declared[i] == null) {
                throw new IllegalArgumentException("a subresource is missing");
            }
            urls[i] = declared[i].url;
            types[i] = declared[i].resourceType;
        }
        nativeServePageWithSubresources(url, title == null ? "" : title, urls, types);
    }

    /**
     * The address answers with a body of this MIME type, this Content-Disposition header (null
     * or empty: none) and this Content-Length (below 0: none). A type the engine renders (text,
     * images, XML, JSON, PDF; null or empty: sniffed as a document) shows as a document without
     * title or subframes. An attachment, or a type it does not render, the engine downloads: the
     * navigation ends before it commits with -3 ERR_ABORTED between the two loading-state
     * changes, the page that was showing stays, and the download is offered to the client in a
     * later loop iteration with the name the response suggests and its length as the size.
     */
    public static void serveResponse(String url, String mimeType, String contentDisposition,
            long contentLength) {
        if (url == null) {
            throw new IllegalArgumentException("the address is missing");
        }
        nativeServeResponse(url, mimeType == null ? "" : mimeType,
                contentDisposition == null ? "" : contentDisposition, contentLength);
    }

    /** Navigations to this host fail before they commit with -105 ERR_NAME_NOT_RESOLVED. */
    public static void unreachableHost(String host) {
        if (host == null) {
            throw new IllegalArgumentException("the host is missing");
        }
        nativeUnreachableHost(host);
    }

    /**
     * While held, each new navigation stops after its main frame's {@code OnLoadStart} and
     * stays loading until {@link #releaseLoads} lets it finish in later loop iterations.
     */
    public static native void holdLoads(boolean hold);

    public static native void releaseLoads();

    /** Forgets pages, unreachable hosts and holds. */
    public static native void reset();

    private static native void nativeServePage(String url, String title, int status,
            String[] subframeUrls);

    private static native void nativeServeResponse(String url, String mimeType,
            String contentDisposition, long contentLength);

    private static native void nativeUnreachableHost(String host);

    private static native void nativeServePageWithSubresources(String url, String title,
            String[] urls, int[] types);
}
