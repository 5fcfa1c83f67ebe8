package com.velmor.brivon.example;

import com.velmor.brivon.jni.ResourceResponse;
import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.UncheckedIOException;
import java.net.URI;
import java.net.URISyntaxException;
import java.net.URL;
import java.net.URLConnection;
import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.Map;

/**
 * The example's pages, served from its jar at {@code brivon://example/<name>}. The bridge calls
 * these on the engine's loading threads, several requests at once and each request's calls one
 * after the other on changing threads: hence no shared state and synchronized responses.
 */
final class JarPages {
    static final String ORIGIN = "brivon://example/";
    static final String START_PAGE = ORIGIN + "index.html";
    private static final String FOLDER = "pages/";
    private static final Map<String, String> TYPES = Map.of(
            "html", "text/html", "css", "text/css", "js", "application/javascript",
            "txt", "text/plain", "png", "image/png");

    private JarPages() {
    }

    /** The response for an address; every response is of one class, as the bridge requires. */
    static ResourceResponse respond(String url, EventLog log) {
        String name = pageName(url);
        return new StreamResponse(url, resourceOf(url), name == null ? "" : typeOf(name), log);
    }

    /** The jar's file for an address; null when the address names none. */
    static URL resourceOf(String url) {
        String name = pageName(url);
        return name == null ? null : JarPages.class.getResource(FOLDER + name);
    }

    /** The page's name below the origin, without query or fragment; null for other addresses. */
    static String pageName(String url) {
        try {
            URI uri = new URI(url);
            if (!"brivon".equalsIgnoreCase(uri.getScheme()) || !"example".equalsIgnoreCase(uri.getHost())) {
                return null;
            }
            String path = uri.getPath() == null ? "" : uri.getPath();
            String name = path.startsWith("/") ? path.substring(1) : path;
            // The folder is flat: no way out of it, and no way to name it.
            if (name.isEmpty() || name.contains("/") || name.contains("\\") || name.startsWith(".")) {
                return null;
            }
            return name;
        } catch (URISyntaxException e) {
            return null;
        }
    }

    private static String typeOf(String name) {
        int dot = name.lastIndexOf('.');
        return TYPES.getOrDefault(dot < 0 ? "" : name.substring(dot + 1), "application/octet-stream");
    }

    /** A response read from a stream in the chunks the engine asks for; 404 without a resource. */
    static final class StreamResponse extends ResourceResponse {
        private static final byte[] NOT_FOUND = "<html><body>not found</body></html>".getBytes(StandardCharsets.UTF_8);
        private final String url;
        private final URL resource;
        private final String type;
        private final EventLog log;
        private InputStream in;
        private long length = -1;
        private int status = 200;
        private long served;

        StreamResponse(String url, URL resource, String type, EventLog log) {
            this.url = url;
            this.resource = resource;
            this.type = type;
            this.log = log;
        }

        @Override
        public synchronized void open() {
            if (resource == null) {
                status = 404;
                length = NOT_FOUND.length;
                in = new ByteArrayInputStream(NOT_FOUND);
                return;
            }
            try {
                URLConnection connection = resource.openConnection();
                length = connection.getContentLengthLong();
                in = connection.getInputStream();
            } catch (IOException e) {
                // The bridge answers 500 when open throws.
                throw new UncheckedIOException(e);
            }
        }

        @Override
        public synchronized int getHttpStatusCode() {
            return status;
        }

        @Override
        public synchronized long getContentLength() {
            return length;
        }

        @Override
        public synchronized String getContentType() {
            return status == 404 ? "text/html" : type;
        }

        /** The buffer is the engine's memory, valid only during this call: fill it from index 0 and let go. */
        @Override
        public synchronized int read(ByteBuffer buffer) {
            if (in == null) {
                return -2;
            }
            try {
                byte[] chunk = new byte[Math.min(buffer.capacity(), 64 * 1024)];
                int count = in.read(chunk);
                if (count <= 0) {
                    return 0;
                }
                ByteBuffer target = buffer.duplicate();
                target.clear();
                target.put(chunk, 0, count);
                served += count;
                return count;
            } catch (IOException e) {
                return -2;
            }
        }

        @Override
        public synchronized void close() {
            if (in != null) {
                try {
                    in.close();
                } catch (IOException e) {
                    // Nothing more is read from it either way.
                }
                in = null;
            }
            if (status == 200 && served > 0 && (length < 0 || served == length)) {
                String detail = url + ", " + type + ", " + served + " bytes on " + Thread.currentThread().getName();
                if (!log.reached(EventLog.RESOURCE_SERVED, detail)) {
                    log.info("served " + detail);
                }
            }
        }
    }
}
