package com.velmor.brivon.jni;

import java.lang.reflect.Constructor;
import java.lang.reflect.Method;

/** JNI type descriptors of reflected members, as the bridge library spells them in its look-ups. */
final class Descriptors {
    private Descriptors() {
    }

    static String of(Class<?> type) {
        if (type.isArray()) {
            return "[" + of(type.getComponentType());
        }
        if (!type.isPrimitive()) {
            return "L" + type.getName().replace('.', '/') + ";";
        }
        if (type == void.class) return "V";
        if (type == boolean.class) return "Z";
        if (type == byte.class) return "B";
        if (type == char.class) return "C";
        if (type == short.class) return "S";
        if (type == int.class) return "I";
        if (type == long.class) return "J";
        if (type == float.class) return "F";
        if (type == double.class) return "D";
        throw new AssertionError("unknown primitive " + type);
    }

    static String of(Method method) {
        return parameters(method.getParameterTypes()) + of(method.getReturnType());
    }

    static String of(Constructor<?> constructor) {
        return parameters(constructor.getParameterTypes()) + "V";
    }

    private static String parameters(Class<?>[] types) {
        StringBuilder out = new StringBuilder("(");
        for (Class<?> type : types) {
            out.append(of(type));
        }
        return out.append(')').toString();
    }
}
