package com.velmor.brivon.sim;

import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.ByteArrayInputStream;
import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * Script in a browser's renderer process: calling the functions a page's window has,
 * reading whether it has one, the process messages the browser side received, and the
 * renderer itself. Only browsers created while a subprocess program is set have a renderer;
 * for others these report "no renderer" (null, -1, 0 or false).
 *
 * <p>Values cross as Java values: {@code null} (JavaScript null), {@link #UNDEFINED},
 * {@link Boolean}, {@link Integer}, other numbers (as double), {@link String}, a
 * {@link Map} with String keys (an object, members in the map's order) and
 * {@link #FUNCTION} (a function of the page's own that does nothing). Returned objects come
 * back as {@link LinkedHashMap}s, functions as {@link #FUNCTION}.
 */
public final class SimScript {
    private SimScript() {
    }

    /** A value standing for JavaScript's undefined. */
    public static final Object UNDEFINED = new Object() {
        @Override
        public String toString() {
            return "undefined";
        }
    };

    /** A value standing for a page's own function. */
    public static final Object FUNCTION = new Object() {
        @Override
        public String toString() {
            return "function";
        }
    };

    /**
     * A page function that records each call with its arguments under {@code name}; read them
     * with {@link #functionCalls}.
     */
    public static Object recorder(String name) {
        return new Recorder(name);
    }

    private static final class Recorder {
        final String name;

        Recorder(String name) {
            this.name = name;
        }

        @Override
        public String toString() {
            return "recorder " + name;
        }
    }

    /** One call a page made to a recorder function. */
    public static final class FunctionCall {
        public final String name;
        /** Null, Boolean, Integer, Double, String, {@link #UNDEFINED}, {@link #FUNCTION} or Map values. */
        public final List<Object> arguments;

        FunctionCall(String name, List<Object> arguments) {
            this.name = name;
            this.arguments = Collections.unmodifiableList(arguments);
        }

        @Override
        public String toString() {
            return name + arguments;
        }
    }

    /** Every call this browser's pages made to recorder functions, in the order they made them. */
    public static List<FunctionCall> functionCalls(int browserId) {
        byte[] encoded = nativeFunctionCalls(browserId);
        List<FunctionCall> calls = new ArrayList<>();
        try {
            DataInputStream in = new DataInputStream(new ByteArrayInputStream(encoded));
            int count = in.readInt();
            for (int i = 0; i < count; i++) {
                String name = readString(in);
                @SuppressWarnings("unchecked")
                List<Object> arguments = (List<Object>) read(in);
                calls.add(new FunctionCall(name, arguments));
            }
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
        return calls;
    }

    /** How many recorder calls this browser's pages made so far; cheaper than {@link #functionCalls}. */
    public static native int functionCallCount(int browserId);

    /** What a call returned or threw. */
    public static final class CallResult {
        public final boolean threw;
        public final Object value;
        public final String exception;

        CallResult(boolean threw, Object value, String exception) {
            this.threw = threw;
            this.value = value;
            this.exception = exception;
        }

        @Override
        public String toString() {
            return threw ? "threw " + exception : "returned " + value;
        }
    }

    /** A message the browser side received from a renderer. */
    public static final class ProcessMessage {
        public final long frameId;
        public final String name;
        /** Null, Boolean, Integer, Double, String or List values. */
        public final List<Object> arguments;

        ProcessMessage(long frameId, String name, List<Object> arguments) {
            this.frameId = frameId;
            this.name = name;
            this.arguments = Collections.unmodifiableList(arguments);
        }

        @Override
        public String toString() {
            return name + arguments;
        }
    }

    /**
     * The document in that frame calls {@code window.<name>(args...)}. Null when the browser
     * has no live renderer or the frame no document there.
     */
    public static CallResult callWindowFunction(int browserId, long frameId, String name,
            Object... args) {
        if (name == null) {
            return null;
        }
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        DataOutputStream out = new DataOutputStream(bytes);
        try {
            out.writeInt(args == null ? 1 : args.length);
            if (args == null) {
                write(out, null, 0);
            } else {
                for (Object arg : args) {
                    write(out, arg, 0);
                }
            }
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
        byte[] answer = nativeCall(browserId, frameId, name, bytes.toByteArray());
        if (answer == null) {
            return null;
        }
        try {
            DataInputStream in = new DataInputStream(new ByteArrayInputStream(answer));
            if (in.readBoolean()) {
                return new CallResult(true, null, readString(in));
            }
            return new CallResult(false, read(in), null);
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
    }

    /**
     * 1 when {@code window.<name>} exists in the frame's current context, 0 when not, -1 when
     * the browser has no live renderer or the frame no context.
     */
    public static int windowHas(int browserId, long frameId, String name) {
        return name == null ? -1 : nativeWindowHas(browserId, frameId, name);
    }

    /** The messages renderers sent to this browser, in the order the client received them. */
    public static List<ProcessMessage> receivedProcessMessages(int browserId) {
        byte[] encoded = nativeReceivedMessages(browserId);
        List<ProcessMessage> messages = new ArrayList<>();
        try {
            DataInputStream in = new DataInputStream(new ByteArrayInputStream(encoded));
            int count = in.readInt();
            for (int i = 0; i < count; i++) {
                long frameId = in.readLong();
                String name = readString(in);
                @SuppressWarnings("unchecked")
                List<Object> arguments = (List<Object>) read(in);
                messages.add(new ProcessMessage(frameId, name, arguments));
            }
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
        return messages;
    }

    /** The renderer's process id; 0 when the browser has no live one. */
    public static native int rendererPid(int browserId);

    /** Kills the browser's renderer; the engine notices as it would a crash. */
    public static native boolean killRenderer(int browserId);

    /** Renderer processes started and not yet reaped. */
    public static native int liveRenderers();

    // The encoding shared with the native side: a tag, then the value, big-endian.
    private static final int UNDEFINED_TAG = 0;
    private static final int NULL_TAG = 1;
    private static final int BOOL_TAG = 2;
    private static final int INT_TAG = 3;
    private static final int DOUBLE_TAG = 4;
    private static final int STRING_TAG = 5;
    private static final int OBJECT_TAG = 6;
    private static final int FUNCTION_TAG = 7;
    private static final int LIST_TAG = 8;
    private static final int RECORDER_TAG = 9;
    private static final int MAX_DEPTH = 16;

    private static void write(DataOutputStream out, Object value, int depth) throws IOException {
        if (depth > MAX_DEPTH) {
            throw new IllegalArgumentException("values nest too deep");
        }
        if (value == null) {
            out.writeByte(NULL_TAG);
        } else if (value == UNDEFINED) {
            out.writeByte(UNDEFINED_TAG);
        } else if (value == FUNCTION) {
            out.writeByte(FUNCTION_TAG);
        } else if (value instanceof Recorder) {
            out.writeByte(RECORDER_TAG);
            writeString(out, ((Recorder) value).name);
        } else if (value instanceof Boolean) {
            out.writeByte(BOOL_TAG);
            out.writeBoolean((Boolean) value);
        } else if (value instanceof Integer) {
            out.writeByte(INT_TAG);
            out.writeInt((Integer) value);
        } else if (value instanceof Number) {
            out.writeByte(DOUBLE_TAG);
            out.writeDouble(((Number) value).doubleValue());
        } else if (value instanceof String) {
            out.writeByte(STRING_TAG);
            writeString(out, (String) value);
        } else if (value instanceof Map) {
            Map<?, ?> map = (Map<?, ?>) value;
            out.writeByte(OBJECT_TAG);
            out.writeInt(map.size());
            for (Map.Entry<?, ?> entry : map.entrySet()) {
                writeString(out, String.valueOf(entry.getKey()));
                write(out, entry.getValue(), depth + 1);
            }
        } else {
            throw new IllegalArgumentException("no JavaScript value for " + value.getClass());
        }
    }

    private static void writeString(DataOutputStream out, String s) throws IOException {
        out.writeInt(s.length());
        out.writeChars(s);
    }

    private static String readString(DataInputStream in) throws IOException {
        int length = in.readInt();
        char[] chars = new char[length];
        for (int i = 0; i < length; i++) {
            chars[i] = in.readChar();
        }
        return new String(chars);
    }

    private static Object read(DataInputStream in) throws IOException {
        int tag = in.readByte();
        switch (tag) {
            case UNDEFINED_TAG:
                return UNDEFINED;
            case NULL_TAG:
                return null;
            case BOOL_TAG:
                return in.readBoolean();
            case INT_TAG:
                return in.readInt();
            case DOUBLE_TAG:
                return in.readDouble();
            case STRING_TAG:
                return readString(in);
            case FUNCTION_TAG:
                return FUNCTION;
            case OBJECT_TAG: {
                int count = in.readInt();
                Map<String, Object> object = new LinkedHashMap<>();
                for (int i = 0; i < count; i++) {
                    String key = readString(in);
                    object.put(key, read(in));
                }
                return object;
            }
            case LIST_TAG: {
                int count = in.readInt();
                List<Object> list = new ArrayList<>();
                for (int i = 0; i < count; i++) {
                    list.add(read(in));
                }
                return list;
            }
            default:
                throw new IOException("unknown value tag " + tag);
        }
    }

    private static native byte[] nativeCall(int browserId, long frameId, String name,
            byte[] arguments);

    private static native int nativeWindowHas(int browserId, long frameId, String name);

    private static native byte[] nativeReceivedMessages(int browserId);

    private static native byte[] nativeFunctionCalls(int browserId);
}
